#include <gtest/gtest.h>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "grid/GridDatabase.h"
#include "overlays/MapOverlayPainter.h"

namespace {

// The legend belongs to the graticule layer and stays in the globe view, which has no frame.
TEST(MapOverlayPainter, GlobeViewKeepsTheLegendAndDropsTheFrame) {
    GridDatabase grid;
    ViewState view = viewAt(1.0);
    MapOverlayPainter painter(grid, view, captionFont(), labelFont());
    for (bool globe : {false, true}) {
        view.orthView = globe;
        RecordingSurface surface;
        painter.drawGraticule(surface);
        EXPECT_EQ(surface.callsStartingWith("fill").size(), 11u) << globe;
        EXPECT_EQ(surface.callsStartingWith("text").size(), globe ? 10u : 23u) << globe;
        EXPECT_EQ(surface.callsStartingWith("line").empty(), globe) << globe;
    }
}

}  // namespace
