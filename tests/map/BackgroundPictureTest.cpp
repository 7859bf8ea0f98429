#include <gtest/gtest.h>

#include <QImage>

#include "map/BackgroundPicture.h"
#include "map/MapConstants.h"
#include "toolkit/ui/ZBitmap.h"

namespace {

// A picture whose every pixel tells where it is: the column in red and the low half of green,
// the row in blue and the high half of green.
ZBitmap coordinatePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x & 0xFF, (x >> 8) | ((y >> 8) << 4), y & 0xFF));
        }
    }
    ZBitmap bitmap;
    bitmap.create(image);
    return bitmap;
}

QPoint sampled(const ZBitmap& picture, double lon, double lat) {
    ZColour c = samplePicture(picture, lon, lat);
    return QPoint(zRed(c) + ((zGreen(c) & 0xF) << 8), zBlue(c) + ((zGreen(c) >> 4) << 8));
}

TEST(BackgroundPicture, WorkedPixelsLongitudesWrapAndPolesStayInside) {
    ZBitmap picture = coordinatePicture(1000, 500);
    EXPECT_EQ(sampled(picture, 0.174533, 1.332249), QPoint(528, 38));
    EXPECT_EQ(sampled(picture, 3.316126, 1.280332), QPoint(28, 46));
    EXPECT_EQ(sampled(picture, 0.0, 0.0), QPoint(500, 250));
    EXPECT_EQ(sampled(picture, PI, 0.0).x(), 0);
    EXPECT_EQ(sampled(picture, -PI, 0.0).x(), 0);
    EXPECT_EQ(sampled(picture, 3 * PI / 2, 0.0).x(), 250);
    EXPECT_EQ(sampled(picture, -3 * PI / 2, 0.0).x(), 750);
    EXPECT_EQ(sampled(picture, -PI - 0.01, 0.0).x(), 998);
    EXPECT_EQ(sampled(picture, 0.0, HALF_PI).y(), 0);
    EXPECT_EQ(sampled(picture, 0.0, -HALF_PI).y(), 499);
    // Any size of picture: the same shares of its width and height.
    ZBitmap odd = coordinatePicture(300, 101);
    EXPECT_EQ(sampled(odd, 0.0, 0.0), QPoint(150, 51));
    EXPECT_EQ(samplePicture(ZBitmap(), 0.0, 0.0), 0u);
}

}  // namespace
