#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <utility>
#include <vector>

#include "PictureCompare.h"
#include "PixelChecks.h"
#include "map/BackgroundPicture.h"
#include "map/GlobePixelTable.h"
#include "map/GlobeUnprojection.h"
#include "map/MapConstants.h"
#include "map/MapScale.h"
#include "map/PictureGeometry.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

bool bitEqual(const GeoAngles& a, const GeoAngles& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every pixel of the visited square, through the mirrored column pairs and (east half) one pixel
// at a time, bit for bit against the projection's own inverse.
TEST(GlobeUnprojection, PixelsAndColumnPairsEqualTheProjectionsInverse) {
    MapScale view{0.5, 0.5, 1.0};
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
    view = MapScale{0.75, 0.75, 1.0};
    GeoAngles angles;
    EXPECT_FALSE(GlobeUnprojection(GlobeFrame{view, 405, 217, 0, 0}).pixel(593, 217, angles));
    EXPECT_TRUE(GlobeUnprojection(GlobeFrame{view, 405, 217, 0, 0}).pixel(592, 217, angles));
}

// The kept table against evaluating each pixel on its own (inverse with the quadrant correction,
// then the flat image), at each scale, with either pole in view and the date line at the centre.
TEST(GlobePixelTable, EveryPixelOfTheDiscAsEvaluatedOnItsOwn) {
    constexpr QRgb UNTOUCHED = 0xFFFFFFFF;
    struct Case {
        double scale, lon0, lat0;
    };
    for (Case c : {Case{1.0, PI / 18, PI / 4}, Case{1.0, -2.9, -1.05}, Case{0.75, PI / 18, PI / 4},
                   Case{0.75, PI, 0.0}, Case{0.5, 0.3, 1.56}, Case{0.5, -0.0, 0.2}}) {
        MapScale view{c.scale, c.scale, 1.0};
        PictureGeometry geometry = PictureGeometry::of(view);
        GlobeFrame frame{view, geometry.centreX, geometry.centreY, c.lon0, c.lat0};
        ZBitmap flat = codedPicture(roundPixel(1000 * c.scale), roundPixel(500 * c.scale));
        QImage image(geometry.width, geometry.height, QImage::Format_RGB32);
        image.fill(UNTOUCHED);
        {
            ZRasterSurface surface(image);
            GlobePixelTable(frame, geometry, flat).draw(surface, flat, nullptr);
        }
        // Nothing outside the disc changes.
        QImage expected = filledPicture(image.size(), UNTOUCHED);
        int inside = 0;
        for (int x = frame.cx - geometry.radiusX; x <= frame.cx + geometry.radiusX; ++x) {
            for (int y = frame.cy - geometry.radiusY; y <= frame.cy + geometry.radiusY; ++y) {
                GeoAngles angles;
                if (unprojectOrthographic(view, x, y, frame.cx, frame.cy, c.lon0, c.lat0, true,
                                          angles)) {
                    expected.setPixel(x, y, toQRgb(samplePicture(flat, angles.lon, angles.lat)));
                    ++inside;
                }
            }
        }
        EXPECT_TRUE(picturesMatch(image, expected, "globe-table"))
            << c.scale << " centre " << c.lon0 << ", " << c.lat0;
        EXPECT_GT(inside, 3 * geometry.radiusX * geometry.radiusY);
    }
}

}  // namespace
