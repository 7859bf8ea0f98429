#include <gtest/gtest.h>

#include <cmath>

#include "map/GlobeDrag.h"
#include "map/MapConstants.h"
#include "map/Viewport.h"

namespace {

Viewport globe(std::uint32_t percent, double lon, double lat) {
    ViewChoices view;
    view.scalePercent = percent;
    view.globe = true;
    view.centreLon = lon;
    view.centreLat = lat;
    return Viewport(view);
}

// The place under a pixel by the globe's own inverse, with its quadrant correction.
GeoAngles under(const Viewport& viewport, int x, int y) {
    GeoAngles at;
    GeoAngles centre = viewport.globeCentre();
    EXPECT_TRUE(unprojectOrthographic(viewport.scale(), x, y, viewport.geometry().centreX,
                                      viewport.geometry().centreY, centre.lon, centre.lat, true,
                                      at));
    return at;
}

// After a drag from a press to a pointer, the globe's inverse finds the pressed place under the
// pointer: drags across the centre, off it, diagonally, over the default and a southern centre.
// Along the equator from the centre, n pixels turn the globe by asin(n / radius).
TEST(GlobeDragTest, ThePressedPlaceStaysUnderThePointer) {
    struct Case {
        std::uint32_t percent;
        double lonDegrees;
        double latDegrees;
        int pressX;
        int pressY;
        int toX;
        int toY;
    };
    const Case cases[] = {
        {100, 10, 45, 0, 0, 60, 0},     {100, 10, 45, 0, 0, 0, -90},
        {100, 10, 45, 40, 30, -20, 80}, {75, -120, -30, -50, 10, 70, -40},
        {50, 170, 5, 30, -20, -60, 35}, {100, 0, 0, 0, 0, 137, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.percent << "% " << c.pressX << "," << c.pressY);
        Viewport before = globe(c.percent, c.lonDegrees * PI / 180, c.latDegrees * PI / 180);
        int cx = before.geometry().centreX;
        int cy = before.geometry().centreY;
        GlobeDrag drag(before, cx + c.pressX, cy + c.pressY);
        ASSERT_TRUE(drag.grabbed());
        GeoAngles pressed = under(before, cx + c.pressX, cy + c.pressY);
        GeoAngles centre = drag.centreFor(cx + c.toX, cy + c.toY);
        GeoAngles found = under(globe(c.percent, centre.lon, centre.lat), cx + c.toX, cy + c.toY);
        EXPECT_NEAR(found.lat, pressed.lat, 1e-9);
        EXPECT_NEAR(std::remainder(found.lon - pressed.lon, TWO_PI), 0.0, 1e-9);
        if (c.latDegrees == 0) {
            EXPECT_NEAR(centre.lon, -std::asin(c.toX / (GLOBE_RADIUS * c.percent / 100)), 1e-12);
        }
    }
}

}  // namespace
