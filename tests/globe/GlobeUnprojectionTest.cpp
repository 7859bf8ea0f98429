#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "map/GlobeUnprojection.h"
#include "map/MapConstants.h"
#include "map/ViewState.h"

namespace {

ViewState viewAt(double scale) {
    ViewState view;
    view.scaleX = scale;
    view.scaleY = scale;
    return view;
}

// Pixel by pixel from the projection's own inverse: the pixel and its two neighbours, and for
// the topmost pixel of a column the result of the pixel below.
bool perPixel(const GlobeFrame& f, int x, int y, GeoAngles& result) {
    auto plain = [&](int row, GeoAngles& angles) {
        return unprojectOrthographic(f.view, x, row, f.cx, f.cy, f.lon0, f.lat0, false, angles);
    };
    GeoAngles here, above, below;
    if (!plain(y, here)) {
        return false;
    }
    result = here;
    if (!plain(y + 1, below)) {
        return true;
    }
    if (!plain(y - 1, above)) {
        return perPixel(f, x, y + 1, result);
    }
    if (above.lat < here.lat && below.lat > here.lat) {
        result.lon = here.lon + PI;
    } else if (above.lat < here.lat) {
        result.lon = above.lon + PI;
    } else if (below.lat > here.lat) {
        result.lon = below.lon + PI;
    }
    return true;
}

TEST(GlobeUnprojection, WorkedValuesAndTheUnroundedDisc) {
    ViewState view = viewAt(1.0);
    GlobeUnprojection globe(GlobeFrame{view, 530, 280, PI / 18, PI / 4});
    for (auto [x, y, lon, lat] :
         {std::tuple{530, 150, 0.174533, 1.332249}, std::tuple{530, 60, 3.316126, 1.280332},
          std::tuple{600, 200, 0.769502, 1.047695}, std::tuple{460, 350, -0.144632, 0.468241},
          std::tuple{530, 280, PI / 18, PI / 4}}) {
        GeoAngles angles;
        ASSERT_TRUE(globe.pixel(x, y, angles));
        EXPECT_NEAR(angles.lon, lon, 5e-7) << x << "," << y;
        EXPECT_NEAR(angles.lat, lat, 5e-7) << x << "," << y;
    }
    // At 75 % the radius is 187.5: the 188th pixel from the centre, which the loops visit, is
    // off the disc and leaves the angles alone.
    ViewState small = viewAt(0.75);
    GeoAngles kept{1.0, 2.0};
    EXPECT_FALSE(GlobeUnprojection(GlobeFrame{small, 405, 217, 0, 0}).pixel(593, 217, kept));
    EXPECT_EQ(kept.lon, 1.0);
    EXPECT_TRUE(GlobeUnprojection(GlobeFrame{small, 405, 217, 0, 0}).pixel(405, 30, kept));
}

// Every pixel of the square around the disc, bit for bit, with either pole in view, the date
// line at the centre and a centre on the western side of the prime meridian.
TEST(GlobeUnprojection, ColumnPairsEqualThePixelByPixelEvaluation) {
    ViewState view = viewAt(0.5);
    for (auto [lon0, lat0] : {std::pair{PI / 18, PI / 4}, std::pair{-2.9, -1.05},
                              std::pair{PI, 0.0}, std::pair{0.3, 1.56}, std::pair{-0.0, 0.2}}) {
        GlobeFrame frame{view, 280, 155, lon0, lat0};
        GlobeUnprojection globe(frame);
        std::vector<GlobePoint> west, east;
        int mismatches = 0;
        auto compare = [&](int x, const std::vector<GlobePoint>& column) {
            for (int j = 0; j < 251; ++j) {
                GeoAngles expected;
                bool inside = perPixel(frame, x, 30 + j, expected);
                const GeoAngles& got = column[j].angles;
                bool same = column[j].inside == inside &&
                            (!inside || (std::signbit(got.lon) == std::signbit(expected.lon) &&
                                         got.lon == expected.lon && got.lat == expected.lat));
                mismatches += same ? 0 : 1;
            }
        };
        for (int d = 0; d <= 125; ++d) {
            globe.columnPair(d, 30, 280, west, east);
            ASSERT_EQ(west.size(), 251u);
            compare(280 - d, west);
            compare(280 + d, east);
        }
        EXPECT_EQ(mismatches, 0) << "centre " << lon0 << ", " << lat0;
    }
}

}  // namespace
