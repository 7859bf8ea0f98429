#include <gtest/gtest.h>

#include <QImage>

#include "OverlayImage.h"
#include "PictureCompare.h"
#include "Places.h"
#include "RecordingSurface.h"
#include "grid/GridDatabase.h"
#include "overlays/MapOverlayPainter.h"
#include "overlays/PositionMarkers.h"
#include "positions/PositionList.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// Draws the markers on white with the frame's pen, as the paint step does.
QImage drawn(const Viewport& view, PositionList& positions) {
    QImage image(view.geometry().width, view.geometry().height, QImage::Format_RGB32);
    image.fill(Qt::white);
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
}

// The globe is centred on the view position: only its marker, at the centre.
TEST(PositionMarkers, GlobeShowsOnlyTheViewPositionAtTheCentre) {
    PositionList positions;
    positions.add(Position{"Mitte", 0, 0, place(10, 10)});
    positions.add(Position{"Rot", 0, 0, place(20, 20)});
    ViewChoices globe;
    globe.globe = true;
    Viewport view(globe, &positions.get(1)->coordinates);
    EXPECT_TRUE(matchesGolden(drawn(view, positions), "overlays/tests/golden/globe-marker.png"));
    EXPECT_EQ(positions.findAt(positions.get(2)->x, positions.get(2)->y, nullptr), 0u);
}

// The caption's bottom-left line belongs to the view position; without one it is left out. The
// legend belongs to the graticule layer and stays in the globe view, which has no frame.
TEST(MapOverlayPainter, CaptionNamesTheViewPositionAndTheGlobeKeepsTheLegend) {
    GridDatabase grid;
    PositionList positions;
    MapOverlayPainter painter(grid, captionFont(), labelFont(), &positions);
    RecordingSurface flat;
    painter.drawGraticule(flat, viewAt(100));
    EXPECT_TRUE(flat.matchGolden("overlays/tests/golden/graticule-with-legend.txt"));
    RecordingSurface globe;
    painter.drawGraticule(globe, viewAt(100, true));
    EXPECT_TRUE(globe.matchGolden("overlays/tests/golden/globe-legend.txt"));
    RecordingSurface without;
    painter.drawCaption(without, viewAt(100));
    EXPECT_TRUE(without.matchGolden("overlays/tests/golden/caption-without-position.txt"));
    positions.add(Position{"Berlin", 0, 0, place(52.5167, 13.4)});
    RecordingSurface with;
    painter.drawCaption(with, viewAt(100));
    EXPECT_TRUE(with.matchGolden("overlays/tests/golden/caption-with-position.txt"));
}

}  // namespace
