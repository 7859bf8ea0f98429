#include <gtest/gtest.h>

#include <QImage>

#include "OverlayImage.h"
#include "PictureCompare.h"
#include "Places.h"
#include "RecordingSurface.h"
#include "grid/GridDatabase.h"
#include "overlays/MapOverlayPainter.h"
#include "overlays/PositionList.h"
#include "overlays/PositionMarkers.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// Draws the markers with the frame's pen, as the paint step does.
QImage drawn(const Viewport& view, PositionList& positions) {
    QImage image = blankPicture(view);
    ZRasterSurface surface(image);
    surface.selectPen(zRgb(0, 0, 0), 1);
    drawPositions(surface, view, positions);
    return image;
}

TEST(PositionMarkers, CrossAndSquareBlueForTheViewPositionRedForTheOthers) {
    Viewport view = viewAt(100);
    PositionList positions;
    positions.add(Position{"Berlin", 0, 0, place(54, 25.2)});
    positions.add(Position{"Kap", 0, 0, place(-36, -72)});
    // The cross runs from 6 pixels above-left to 8 below-right, without its end points.
    EXPECT_TRUE(matchesGolden(drawn(view, positions), "overlays/tests/golden/markers.png"));
    // 54° N 25° 12' O at 100 %: (600, 130); 36° S 72° W: (330, 380).
    EXPECT_EQ(positions.get(1)->x * 1000 + positions.get(1)->y, 600130);
    EXPECT_EQ(positions.get(2)->x * 1000 + positions.get(2)->y, 330380);
    EXPECT_EQ(positions.findAt(602, 132, nullptr), 1u);
    EXPECT_EQ(positions.findAt(331, 381, nullptr), 2u);
}

// The globe is centred on the view position: only its marker, at the centre.
TEST(PositionMarkers, GlobeShowsOnlyTheViewPositionAtTheCentre) {
    Viewport view = viewAt(75, true);
    PositionList positions;
    positions.add(Position{"Mitte", 0, 0, place(10, 10)});
    positions.add(Position{"Rot", 0, 0, place(20, 20)});
    EXPECT_TRUE(matchesGolden(drawn(view, positions), "overlays/tests/golden/globe-marker.png"));
    EXPECT_EQ(positions.findAt(405, 217, nullptr), 1u);
    EXPECT_EQ(positions.findAt(positions.get(2)->x, positions.get(2)->y, nullptr), 0u);
}

// The caption's bottom-left line belongs to the view position; without one it is left out. The
// legend belongs to the graticule layer and stays in the globe view, which has no frame.
TEST(MapOverlayPainter, CaptionNamesTheViewPositionAndTheGlobeKeepsTheLegend) {
    GridDatabase grid;
    PositionList positions;
    MapOverlayPainter painter(grid, captionFont(), labelFont(), &positions);
    for (bool globe : {false, true}) {
        RecordingSurface surface;
        painter.drawGraticule(surface, viewAt(100, globe));
        EXPECT_EQ(surface.callsStartingWith("fill").size(), 11u) << globe;
        EXPECT_EQ(surface.callsStartingWith("text").size(), globe ? 10u : 23u) << globe;
        EXPECT_EQ(surface.callsStartingWith("line").empty(), globe) << globe;
    }
    RecordingSurface without;
    painter.drawCaption(without, viewAt(100));
    EXPECT_EQ(without.callsStartingWith("text").size(), 2u);
    positions.add(Position{"Berlin", 0, 0, place(52.5167, 13.4)});
    RecordingSurface with;
    painter.drawCaption(with, viewAt(100));
    auto texts = with.callsStartingWith("text 'Berlin: Keine Daten'");
    EXPECT_EQ(texts.size(), 1u);
}

}  // namespace
