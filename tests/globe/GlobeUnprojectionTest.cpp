#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "map/GlobeUnprojection.h"
#include "map/MapConstants.h"
#include "map/ViewState.h"

namespace {

bool bitEqual(const GeoAngles& a, const GeoAngles& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every pixel of the square the pass visits, bit for bit against the projection's own inverse,
// through the mirrored column pairs and (east half) one pixel at a time: with either pole in
// view, the date line at the centre and a centre west of the prime meridian. Off the disc the
// angles must stay as they were.
TEST(GlobeUnprojection, PixelsAndColumnPairsEqualTheProjectionsInverse) {
    ViewState view;
    view.scaleX = view.scaleY = 0.5;
    const int cx = 280, cy = 155, radius = 125;
    for (auto [lon0, lat0] : {std::pair{PI / 18, PI / 4}, std::pair{-2.9, -1.05},
                              std::pair{PI, 0.0}, std::pair{0.3, 1.56}, std::pair{-0.0, 0.2}}) {
        GlobeFrame frame{view, cx, cy, lon0, lat0};
        GlobeUnprojection globe(frame);
        std::vector<GlobePoint> west, east;
        int mismatches = 0;
        auto compare = [&](int x, int y, const GlobePoint& paired, bool alsoPixel) {
            GeoAngles expected{7.0, 8.0}, single{7.0, 8.0};
            bool inside =
                unprojectOrthographic(view, x, y, cx, cy, frame.lon0, frame.lat0, true, expected);
            bool ok = paired.inside == inside && (!inside || bitEqual(paired.angles, expected));
            if (alsoPixel) {
                ok = ok && globe.pixel(x, y, single) == inside && bitEqual(single, expected);
            }
            mismatches += ok ? 0 : 1;
        };
        for (int d = 0; d <= radius; ++d) {
            globe.columnPair(d, cy - radius, cy + radius, west, east);
            ASSERT_EQ(west.size(), 2u * radius + 1);
            for (int j = 0; j <= 2 * radius; ++j) {
                compare(cx - d, cy - radius + j, west[j], false);
                compare(cx + d, cy - radius + j, east[j], true);
            }
        }
        EXPECT_EQ(mismatches, 0) << "centre " << lon0 << ", " << lat0;
    }
    // At 75 % the radius is 187.5: the 188th pixel from the centre, which the pass visits, is
    // off the disc.
    view.scaleX = view.scaleY = 0.75;
    GeoAngles angles;
    EXPECT_FALSE(GlobeUnprojection(GlobeFrame{view, 405, 217, 0, 0}).pixel(593, 217, angles));
    EXPECT_TRUE(GlobeUnprojection(GlobeFrame{view, 405, 217, 0, 0}).pixel(592, 217, angles));
}

}  // namespace
