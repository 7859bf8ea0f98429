#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "GoldenTable.h"
#include "Places.h"
#include "map/MapConstants.h"
#include "map/Projections.h"
#include "map/Viewport.h"

namespace {

MapScale scaleOf(double factor) {
    return MapScale{factor, factor, 1.0};
}

ViewChoices choices(std::uint32_t percent, bool globe = false) {
    ViewChoices view;
    view.scalePercent = percent;
    view.globe = globe;
    return view;
}

std::string text(const std::optional<GeoPosition>& p) {
    if (!p) {
        return "";
    }
    return std::to_string(p->latDegrees) + " " + std::to_string(p->latMinutes) +
           (p->south ? " S " : " N ") + std::to_string(p->lonDegrees) + " " +
           std::to_string(p->lonMinutes) + (p->west ? " W" : " O");
}

// The globe of the default view: 10 degrees east, 45 north, centred at (530, 280).
constexpr double LON0 = PI / 18;
constexpr double LAT0 = PI / 4;
constexpr int CX = 530;
constexpr int CY = 280;

// The metafile is ten times the full picture whatever was chosen; the raster geometry at each
// scale is met by the pictures and overlays drawn on it.
TEST(Viewport, MetafileSizeAndCentresFollowTheChoices) {
    Viewport metafile(choices(50), nullptr, PictureKind::Metafile);
    EXPECT_EQ(metafile.geometry().picture(), (ZRect{0, 0, 10600, 6100}));
    EXPECT_EQ(metafile.mapCentre(), (ScreenPoint{5300, 2800}));
    EXPECT_TRUE(metafile.largeText() && !Viewport(choices(100)).largeText());

    // The view position turns the globe, and the globe's centre outlives it; a flat map keeps
    // the chosen centre.
    GeoPosition berlin = place(52.5, 13.4);
    GeoAngles turned = positionToRadians(berlin);
    Viewport globe(choices(75, true), &berlin);
    EXPECT_EQ(globe.globeCentre().lon, turned.lon);
    EXPECT_EQ(globe.lastingCentre().lat, turned.lat);
    EXPECT_EQ(Viewport(choices(75), &berlin).lastingCentre().lon, ViewChoices().centreLon);
}

TEST(Projections, EquirectangularForward) {
    MapScale full = scaleOf(1.0);
    for (auto [p, withFrame, expected] :
         {std::tuple{place(0, 0), true, ScreenPoint{530, 280}},
          std::tuple{place(90, -180), true, ScreenPoint{30, 30}},
          std::tuple{place(90, -180), false, ScreenPoint{0, 0}},
          // Minutes count as sixtieths of a degree: 30' of longitude is 1.39 pixels.
          std::tuple{place(-0.5, 0.5), true, ScreenPoint{531, 281}}}) {
        EXPECT_EQ(positionToScreen(full, p, withFrame), expected);
    }
    EXPECT_EQ(projectEquirectangular(scaleOf(0.75), 180, -90, true), (ScreenPoint{780, 405}));
}

TEST(Projections, OrthographicForwardAndNearSide) {
    MapScale full = scaleOf(1.0);
    EXPECT_EQ(projectOrthographic(full, LON0, LAT0, 0, 0, CX, CY), (ScreenPoint{487, 454}));
    EXPECT_EQ(projectOrthographic(full, LON0, LAT0, 0, HALF_PI, CX, CY), (ScreenPoint{530, 103}));
    EXPECT_EQ(projectOrthographic(full, LON0, LAT0, LON0, LAT0, CX, CY), (ScreenPoint{CX, CY}));
    // The near side ends strictly before a quarter turn, the truncated one included.
    EXPECT_TRUE(isOnNearSide(0, 0, 1.5707, 0));
    EXPECT_FALSE(isOnNearSide(0, 0, HALF_PI, 0));
    EXPECT_FALSE(isOnNearSide(0, 0, (HALF_PI + M_PI / 2) / 2, 0));
    EXPECT_FALSE(isOnNearSide(LON0, LAT0, -170 * PI / 180, -PI / 4));
}

TEST(Projections, OrthographicInverseWorkedValuesAndDiscEdge) {
    MapScale full = scaleOf(1.0);
    for (auto [x, y, lon, lat] :
         {std::tuple{CX, CY, LON0, LAT0}, std::tuple{530, 150, 0.174533, 1.332249},
          std::tuple{530, 60, 3.316126, 1.280332}, std::tuple{600, 200, 0.769502, 1.047695},
          std::tuple{460, 350, -0.144632, 0.468241}}) {
        GeoAngles angles;
        ASSERT_TRUE(unprojectOrthographic(full, x, y, CX, CY, LON0, LAT0, true, angles));
        EXPECT_NEAR(angles.lon, lon, 5e-7) << x << "," << y;
        EXPECT_NEAR(angles.lat, lat, 5e-7) << x << "," << y;
    }
    // Without the correction a pixel beyond the pole keeps a longitude near the centre's.
    GeoAngles plain;
    ASSERT_TRUE(unprojectOrthographic(full, 530, 60, CX, CY, LON0, LAT0, false, plain));
    EXPECT_NEAR(plain.lon, LON0, 1e-9);
    // At 75 % the disc's radius is 187.5 pixels, the rounded loop radius 188; off the disc
    // the angles keep what they held.
    GeoAngles angles{1.0, 2.0};
    EXPECT_FALSE(unprojectOrthographic(scaleOf(0.75), 188, 0, 0, 0, LON0, LAT0, true, angles));
    EXPECT_EQ(angles.lon, 1.0);
    EXPECT_EQ(angles.lat, 2.0);
    EXPECT_TRUE(unprojectOrthographic(scaleOf(0.75), 187, 0, 0, 0, LON0, LAT0, true, angles));
}

TEST(Projections, PlacesUnderPixelsInBothViews) {
    for (const auto& row : goldenRows("map/tests/golden/places-under-pixels.txt")) {
        const std::size_t comma = row[2].find(',');
        GeoPosition centre = comma == std::string::npos ? GeoPosition()
                                                        : place(number(row[2].substr(0, comma)),
                                                                number(row[2].substr(comma + 1)));
        Viewport viewport(choices(integer(row[1]), row[0] == "globe"),
                          comma == std::string::npos ? nullptr : &centre);
        EXPECT_EQ(text(viewport.projection().toGeo(integer(row[3]), integer(row[4]))), row[5])
            << row[0] << " " << row[3] << "," << row[4];
    }
}

// Markers: on the flat map at their place, on the globe in the middle, where the view position
// turns it. Places on the far side are hidden; those on the near side come back under their
// pixel.
TEST(Projections, MarkersVisibilityAndTheWayBack) {
    GeoPosition berlin = place(52.5, 13.4);
    GeoPosition antipode = place(-52.5, -166.6);
    Viewport flat(choices(100), &berlin);
    Viewport globe(choices(100, true), &berlin);
    EXPECT_EQ(flat.projection().markerPixel(antipode), *flat.projection().toScreen(antipode));
    EXPECT_EQ(globe.projection().markerPixel(antipode), globe.mapCentre());
    EXPECT_TRUE(flat.projection().isVisible(antipode));
    EXPECT_FALSE(globe.projection().isVisible(antipode));
    EXPECT_FALSE(globe.projection().toScreen(antipode));
    EXPECT_FALSE(flat.projection().followsViewPosition() || !flat.projection().hasDegreeFrame());
    EXPECT_TRUE(globe.projection().followsViewPosition() && !globe.projection().hasDegreeFrame());
    for (const GeoPosition& p : {place(40, 30), place(60, -5), place(20, 10)}) {
        for (const Viewport* viewport : {&flat, &globe}) {
            std::optional<ScreenPoint> at = viewport->projection().toScreen(p);
            ASSERT_TRUE(at);
            std::optional<GeoPosition> back = viewport->projection().toGeo(at->x, at->y);
            ASSERT_TRUE(back);
            EXPECT_NEAR(back->latDegrees + back->latMinutes / 60.0, p.latDegrees, 0.5);
            EXPECT_NEAR(back->lonDegrees + back->lonMinutes / 60.0, p.lonDegrees, 0.5);
            EXPECT_EQ(back->west, p.west);
        }
    }
}

}  // namespace
