#include <gtest/gtest.h>

#include <QImage>

#include "PixelChecks.h"
#include "map/BackgroundPicture.h"
#include "map/MapConstants.h"
#include "toolkit/ui/ZBitmap.h"

namespace {

QPoint sampled(const ZBitmap& picture, double lon, double lat) {
    return decoded(toQRgb(samplePicture(picture, lon, lat)), picture.getWidth());
}

TEST(BackgroundPicture, WorkedPixelsLongitudesWrapAndPolesStayInside) {
    ZBitmap picture = codedPicture(1000, 500);
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
    ZBitmap odd = codedPicture(300, 101);
    EXPECT_EQ(sampled(odd, 0.0, 0.0), QPoint(150, 51));
    EXPECT_EQ(samplePicture(ZBitmap(), 0.0, 0.0), 0u);
}

}  // namespace
