#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "map/EqualEarth.h"

namespace {

constexpr double DEGREE = std::numbers::pi / 180;

// Every quarter degree, poles and the 180th meridian included: the pole lines and the outline's
// edges are where a Newton start or the longitude's division would go wrong first.
TEST(EqualEarthTest, InverseUndoesForwardOverTheWholeMap) {
    for (int i = -720; i <= 720; ++i) {
        for (int j = -360; j <= 360; ++j) {
            double lon = i * 0.25 * DEGREE;
            double lat = j * 0.25 * DEGREE;
            GeoAngles back;
            ASSERT_TRUE(equalEarthInverse(equalEarthForward(lon, lat), back)) << i << " " << j;
            ASSERT_NEAR(back.lon, lon, 1e-9) << i << " " << j;
            ASSERT_NEAR(back.lat, lat, 1e-9) << i << " " << j;
        }
    }
    // Beyond the bowed edge at high latitudes, though inside the bounding box.
    GeoAngles untouched{7.0, 7.0};
    EXPECT_FALSE(equalEarthInverse({2.0, 1.2}, untouched));
    EXPECT_EQ(untouched.lon, 7.0);
}

// Each 5-degree row as a polygon with its meridian edges sampled every hundredth of a degree:
// its area over the sphere's zone area (proportional to the difference of the sines) is the
// same for every row.
TEST(EqualEarthTest, EveryRowOfCellsCoversItsTrueShare) {
    auto rowArea = [](double south, double north) {
        double area = 0;
        constexpr int STEPS = 500;
        for (int k = 0; k < STEPS; ++k) {
            double lat1 = (south + (north - south) * k / STEPS) * DEGREE;
            double lat2 = (south + (north - south) * (k + 1) / STEPS) * DEGREE;
            ProjectedPoint a = equalEarthForward(std::numbers::pi, lat1);
            ProjectedPoint b = equalEarthForward(std::numbers::pi, lat2);
            // Trapezoids between the right edge and its mirror on the left.
            area += (a.x + b.x) * (b.y - a.y);
        }
        return area;
    };
    double whole = rowArea(-90, 90);
    for (int south = -90; south < 90; south += 5) {
        double zone = (std::sin((south + 5) * DEGREE) - std::sin(south * DEGREE)) / 2;
        EXPECT_NEAR(rowArea(south, south + 5) / whole, zone, zone * 0.005) << south;
    }
}

// From the 2018 paper's formulas with A1..A4 = 1.340264, -0.081106, 0.000893, 0.003796 and
// sin(theta) = sqrt(3)/2 sin(lat), worked by hand to six places:
//  - the centre (0, 0) stays at (0, 0);
//  - (180 E, 0): theta = 0, x = 2 sqrt(3) pi / (3 A1) = 2.706630;
//  - the north pole: theta = pi/3, y = theta (A1 + A2 theta^2 + A3 theta^6 + A4 theta^8)
//    = 1.047198 x 1.257989 = 1.317363;
//  - the outline's corner (180 E, 90 N): x = 2 sqrt(3) pi cos(pi/3) / (3 (A1 + 3 A2 theta^2
//    + 7 A3 theta^6 + 9 A4 theta^8)) = 1.603589 (the pole line is 0.592 of the equator);
//  - (90 E, 45 N): theta = 0.659058, x = 1.159854, y = 0.860231.
TEST(EqualEarthTest, ReproducesThePublishedPoints) {
    struct Case {
        double lon;
        double lat;
        double x;
        double y;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {180, 0, 2.706630, 0},
        {0, 90, 0, 1.317363},
        {180, 90, 1.603589, 1.317363},
        {90, 45, 1.159854, 0.860231},
    };
    for (const Case& c : cases) {
        ProjectedPoint at = equalEarthForward(c.lon * DEGREE, c.lat * DEGREE);
        EXPECT_NEAR(at.x, c.x, 1e-6) << c.lon << " " << c.lat;
        EXPECT_NEAR(at.y, c.y, 1e-6) << c.lon << " " << c.lat;
    }
}

}  // namespace
