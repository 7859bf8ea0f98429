#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "map/MapConstants.h"
#include "map/PictureGeometry.h"
#include "map/Projections.h"
#include "map/ViewState.h"

namespace {

ViewState viewAt(double scale) {
    ViewState view;
    view.scaleX = scale;
    view.scaleY = scale;
    view.scalePercent = static_cast<std::uint32_t>(scale * 100);
    return view;
}

GeoPosition place(int latDegrees, int latMinutes, bool south, int lonDegrees, int lonMinutes,
                  bool west) {
    GeoPosition p;
    p.latDegrees = latDegrees;
    p.latMinutes = latMinutes;
    p.south = south;
    p.lonDegrees = lonDegrees;
    p.lonMinutes = lonMinutes;
    p.west = west;
    return p;
}

// The globe of the default view: 10 degrees east, 45 north, centred at (530, 280).
constexpr double LON0 = PI / 18;
constexpr double LAT0 = PI / 4;
constexpr int CX = 530;
constexpr int CY = 280;

TEST(PictureGeometry, SizesMarginsAndCentrePerScale) {
    PictureGeometry full = PictureGeometry::of(viewAt(1.0));
    EXPECT_EQ(full.picture(), (ZRect{0, 0, 1060, 610}));
    EXPECT_EQ(full.mapRectangle, (ZRect{30, 30, 1030, 530}));
    EXPECT_EQ((ScreenPoint{full.centreX, full.centreY}), (ScreenPoint{530, 280}));

    PictureGeometry threeQuarters = PictureGeometry::of(viewAt(0.75));
    EXPECT_EQ(threeQuarters.picture(), (ZRect{0, 0, 810, 485}));
    EXPECT_EQ(threeQuarters.mapRectangle, (ZRect{30, 30, 780, 405}));
    EXPECT_EQ((ScreenPoint{threeQuarters.centreX, threeQuarters.centreY}), (ScreenPoint{405, 217}));
    EXPECT_EQ(threeQuarters.radiusX, 188);
}

TEST(Projections, EquirectangularForward) {
    ViewState view = viewAt(1.0);
    EXPECT_EQ(positionToScreen(view, place(0, 0, false, 0, 0, false), true, false),
              (ScreenPoint{530, 280}));
    EXPECT_EQ(positionToScreen(view, place(90, 0, false, 180, 0, true), true, false),
              (ScreenPoint{30, 30}));
    EXPECT_EQ(positionToScreen(view, place(90, 0, false, 180, 0, true), false, false),
              (ScreenPoint{0, 0}));
    // Minutes count as sixtieths of a degree: 30' of longitude is 1.39 pixels at full size.
    EXPECT_EQ(positionToScreen(view, place(0, 30, true, 0, 30, false), true, false),
              (ScreenPoint{531, 281}));
    EXPECT_EQ(projectEquirectangular(viewAt(0.75), 180, -90, true), (ScreenPoint{780, 405}));
    // In the globe view every position is drawn at the centre.
    view.orthView = true;
    view.mapCentreX = 405;
    view.mapCentreY = 217;
    EXPECT_EQ(positionToScreen(view, place(60, 0, true, 170, 0, true), true, false),
              (ScreenPoint{405, 217}));
}

TEST(Projections, OrthographicForward) {
    ViewState view = viewAt(1.0);
    EXPECT_EQ(projectOrthographic(view, LON0, LAT0, 0, 0, CX, CY), (ScreenPoint{487, 454}));
    EXPECT_EQ(projectOrthographic(view, LON0, LAT0, 0, HALF_PI, CX, CY), (ScreenPoint{530, 103}));
    EXPECT_EQ(projectOrthographic(view, LON0, LAT0, LON0, LAT0, CX, CY), (ScreenPoint{CX, CY}));
}

TEST(Projections, NearSideEndsStrictlyBeforeAQuarterTurn) {
    EXPECT_TRUE(isOnNearSide(0, 0, 1.5707, 0));
    EXPECT_FALSE(isOnNearSide(0, 0, HALF_PI, 0));
    // Between the truncated and the true quarter turn.
    EXPECT_FALSE(isOnNearSide(0, 0, (HALF_PI + M_PI / 2) / 2, 0));
    // 170 W, 45 S lies opposite the default centre.
    EXPECT_FALSE(isOnNearSide(LON0, LAT0, -170 * PI / 180, -PI / 4));
}

TEST(Projections, OrthographicInverseWorkedValues) {
    ViewState view = viewAt(1.0);
    for (auto [x, y, lon, lat] :
         {std::tuple{CX, CY, LON0, LAT0}, std::tuple{530, 150, 0.174533, 1.332249},
          std::tuple{530, 60, 3.316126, 1.280332}, std::tuple{600, 200, 0.769502, 1.047695},
          std::tuple{460, 350, -0.144632, 0.468241}}) {
        GeoAngles angles;
        ASSERT_TRUE(unprojectOrthographic(view, x, y, CX, CY, LON0, LAT0, true, angles));
        EXPECT_NEAR(angles.lon, lon, 5e-7) << x << "," << y;
        EXPECT_NEAR(angles.lat, lat, 5e-7) << x << "," << y;
    }
    // Without the correction a pixel beyond the pole keeps a longitude near the centre's.
    GeoAngles plain;
    ASSERT_TRUE(unprojectOrthographic(view, 530, 60, CX, CY, LON0, LAT0, false, plain));
    EXPECT_NEAR(plain.lon, LON0, 1e-9);
    EXPECT_NEAR(plain.lat, 1.280332, 5e-7);
}

// At 75 % the disc's radius is 187.5 pixels, the rounded loop radius 188; off the disc the
// angles keep what they held.
TEST(Projections, OrthographicDiscEndsBeforeTheUnroundedRadius) {
    GeoAngles angles{1.0, 2.0};
    EXPECT_FALSE(unprojectOrthographic(viewAt(0.75), 188, 0, 0, 0, LON0, LAT0, true, angles));
    EXPECT_EQ(angles.lon, 1.0);
    EXPECT_EQ(angles.lat, 2.0);
    EXPECT_TRUE(unprojectOrthographic(viewAt(0.75), 187, 0, 0, 0, LON0, LAT0, true, angles));
}

}  // namespace
