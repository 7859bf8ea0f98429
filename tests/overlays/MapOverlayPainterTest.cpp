#include <gtest/gtest.h>

#include "OverlayImage.h"
#include "grid/GridDatabase.h"
#include "map/ColourScale.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

TEST(MapOverlayPainter, GlobeViewKeepsTheLegendAndDropsTheFrame) {
    GridDatabase grid;
    ViewState view = viewAt(1.0);
    MapOverlayPainter painter(grid, view, captionFont(), labelFont());
    QImage flat = blankPicture(view);
    {
        ZRasterSurface surface(flat);
        painter.drawGraticule(surface);
    }
    view.orthView = true;
    QImage globe = blankPicture(view);
    {
        ZRasterSurface surface(globe);
        painter.drawGraticule(surface);
    }
    EXPECT_EQ(flat.pixel(530, 30), BLACK);
    EXPECT_EQ(globe.pixel(530, 30), WHITE);
    QRgb firstBox = qRgb(64, 55, 187);
    EXPECT_EQ(flat.pixel(30, 550), firstBox);
    EXPECT_EQ(globe.pixel(30, 550), firstBox);
    EXPECT_FALSE(inkIn(globe, QRect(0, 565, 1060, 22)).isEmpty());
}

}  // namespace
