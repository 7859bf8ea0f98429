#include <gtest/gtest.h>

#include <QImage>

#include "PixelChecks.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(RasterSurface, FillsAndThinLinesLeaveOutTheFarEdgesAndEndPoints) {
    QImage image = whiteImage(40, 40);
    {
        ZRasterSurface surface(image);
        surface.fillRect(ZRect{2, 3, 6, 8}, zRgb(255, 0, 0));
        surface.fillRect(ZRect{6, 8, 10, 12}, zRgb(0, 0, 255));
        surface.fillRect(ZRect{15, 18, 15, 20}, zRgb(0, 0, 0));
        surface.selectPen(zRgb(0, 0, 0), 1);
        surface.moveTo(20, 5);
        surface.lineTo(30, 5);
        surface.lineTo(30, 12);
        surface.moveTo(20, 20);
        surface.lineTo(30, 26);
        // Later drawing covers earlier lines.
        surface.moveTo(0, 38);
        surface.lineTo(10, 38);
        surface.fillRect(ZRect{0, 37, 10, 39}, zRgb(255, 255, 255));
    }
    // The corner belongs to the second segment, the last end point to nobody.
    expectColourAt(image, 0xFFFF0000, {5, 7});
    expectColourAt(image, WHITE, {6, 7, 5, 8, 30, 12, 30, 26});
    expectColourAt(image, 0xFF0000FF, {6, 8});
    expectColourAt(image, BLACK, {30, 5});
    EXPECT_EQ(countOtherThan(image, WHITE), 20 + 16 + 10 + 7 + 10);
    // One pixel per step of the longer axis, none of them smoothed: each pixel of the diagonal's
    // box is either white or black.
    EXPECT_EQ(countOtherThan(image.copy(20, 20, 11, 7), WHITE) +
                  countOtherThan(image.copy(20, 20, 11, 7), BLACK),
              11 * 7);
}

TEST(RasterSurface, TranslucentFillsBlendByHalfAndPixelBlocksHonourTheirMask) {
    QImage image = whiteImage(20, 20);
    std::uint32_t rgb[] = {0x112233, 0x445566, 0x778899, 0xAABBCC};
    std::uint8_t mask[] = {1, 0, 0, 1};
    {
        ZRasterSurface surface(image);
        surface.fillTranslucent(ZRect{5, 5, 15, 15}, 0x80FF0000);
        surface.drawPixels(0, 0, 2, 2, rgb, mask);
    }
    QColor blended = image.pixelColor(5, 5);
    EXPECT_EQ(blended.red(), 255);
    EXPECT_NEAR(blended.green(), 127, 1);
    expectColourAt(image, WHITE, {15, 14, 14, 15, 1, 0});
    expectColourAt(image, 0xFF112233, {0, 0});
    expectColourAt(image, 0xFFAABBCC, {1, 1});
    EXPECT_EQ(countOtherThan(image, WHITE), 100 + 2);
}

TEST(RasterSurface, FontsTakeTheCharacterHeightOfA96DpiScreen) {
    ZFont caption;
    caption.create("Times New Roman", 12, 0, 400, 0);
    ZFont label;
    label.create("Arial", 8, 0, 700, 0);
    EXPECT_EQ(ZRasterSurface::toQFont(caption).pixelSize(), 16);
    EXPECT_EQ(ZRasterSurface::toQFont(label).pixelSize(), 11);
    EXPECT_EQ(ZRasterSurface::toQFont(label).weight(), QFont::Bold);
}

TEST(RasterSurface, TextStandsOnWhiteInsideItsRectangle) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ZFont font;
    font.create("Arial", 8, 0, 400, 0);
    {
        ZRasterSurface surface(image);
        surface.selectFont(font);
        surface.drawText("120W", ZRect{10, 10, 60, 20},
                         Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
        surface.drawText("Rechts", ZRect{100, 30, 190, 55},
                         Z_TEXT_RIGHT | Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE);
    }
    // Nothing outside the two rectangles.
    EXPECT_EQ(countOtherThan(image, 0xFF0000FF),
              countOtherThan(image.copy(10, 10, 50, 10), 0xFF0000FF) +
                  countOtherThan(image.copy(100, 30, 90, 25), 0xFF0000FF));
    // Centred: as much blue left of the white cell as right of it.
    int left = 10;
    while (image.pixel(left, 15) != WHITE) {
        ++left;
    }
    int right = 59;
    while (image.pixel(right, 15) != WHITE) {
        --right;
    }
    EXPECT_GT(left, 12);
    EXPECT_NEAR(left - 10, 59 - right, 1);
    expectColourAt(image, WHITE, {189, 54});
    expectColourAt(image, 0xFF0000FF, {189, 30});
}

TEST(RasterSurface, MappingScalesEvenlyAndBitmapsStretchCropAndCopy) {
    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(Qt::red);
    source.setPixelColor(3, 1, Qt::green);
    ZBitmap bitmap;
    bitmap.create(source);
    QImage image = whiteImage(60, 60);
    {
        ZRasterSurface surface(image);
        // 100 x 50 onto 200 x 300: the smaller ratio, 2, on both axes.
        surface.setIsotropicMapping(100, 50, 200, 300);
        surface.fillRect(ZRect{25, 25, 30, 30}, zRgb(0, 0, 0));
        surface.resetMapping();
        surface.stretchBitmap(bitmap, ZRect{0, 0, 4, 2}, ZRect{0, 0, 8, 4});
        // A source larger than the picture shows the picture at the whole source's scale.
        surface.stretchBitmap(bitmap, ZRect{0, 0, 8, 4}, ZRect{20, 0, 36, 8});
        surface.copyBitmap(bitmap, ZRect{3, 1, 10, 10});
    }
    expectColourAt(image, BLACK, {50, 50, 59, 59});
    expectColourAt(image, WHITE, {49, 50, 8, 0, 28, 0});
    expectColourAt(image, 0xFF00FF00, {7, 3, 27, 3, 3, 1});
    EXPECT_EQ(countOtherThan(image, WHITE), 100 + 32 + 32);
}

}  // namespace
