#include <gtest/gtest.h>

#include <QImage>

#include "PictureCompare.h"
#include "PixelChecks.h"
#include "map/BackgroundPicture.h"
#include "map/GlobeFrame.h"
#include "map/GlobePixelTable.h"
#include "map/MapConstants.h"
#include "map/MapScale.h"
#include "map/PictureGeometry.h"
#include "map/Projections.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

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
