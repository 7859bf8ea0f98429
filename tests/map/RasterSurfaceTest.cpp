#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <vector>

#include "PixelChecks.h"
#include "map/ColourScale.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZLineLayer.h"
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

TEST(RasterSurface, TranslucentFillsLeaveOutTheFarEdgesAndPixelBlocksHonourTheirMask) {
    QImage image = whiteImage(20, 20);
    std::uint32_t rgb[] = {0x112233, 0x445566, 0x778899, 0xAABBCC};
    std::uint8_t mask[] = {1, 0, 0, 1};
    {
        ZRasterSurface surface(image);
        surface.fillTranslucent(ZRect{5, 5, 15, 15}, 0x80FF0000);
        surface.drawPixels(0, 0, 2, 2, rgb, mask);
    }
    EXPECT_NE(image.pixel(5, 5), WHITE);
    expectColourAt(image, WHITE, {15, 14, 14, 15, 1, 0});
    expectColourAt(image, 0xFF112233, {0, 0});
    expectColourAt(image, 0xFFAABBCC, {1, 1});
    EXPECT_EQ(countOtherThan(image, WHITE), 100 + 2);
}

// Every byte value under the fill, and rows of all lengths around the four pixels blended at once.
QImage rampImage(QImage::Format format) {
    QImage image(256, 24, format);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x, (x * 7 + y * 3) % 256, (255 - x + y * 11) % 256));
        }
    }
    return image;
}

// The surface blends translucent fills itself; the pixels must be the painter's.
TEST(RasterSurface, TranslucentFillsSetThePaintersOwnPixels) {
    std::vector<ZArgb> colours;
    for (const ColourClass& entry : COLOUR_SCALE) {
        colours.push_back(translucentCellColour(entry.colour));
    }
    colours.insert(colours.end(),
                   {0x01FFFFFF, 0x7F123456, 0xC0FEDCBA, 0xFE808080, 0xFF00FF00, 0x00FF0000});
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        for (ZArgb colour : colours) {
            QImage ours = rampImage(format);
            QImage painters = ours.copy();
            std::vector<ZRect> rects{{0, 0, 256, 3},    {1, 3, 2, 5},     {3, 5, 10, 9},
                                     {250, 9, 300, 12}, {-4, 12, 17, 14}, {33, 14, 47, 30}};
            {
                ZRasterSurface surface(ours);
                QPainter painter(&painters);
                for (const ZRect& rect : rects) {
                    surface.fillTranslucent(rect, colour);
                    painter.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()),
                                     QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF,
                                            colour & 0xFF, colour >> 24));
                }
            }
            EXPECT_EQ(ours, painters) << std::hex << colour << " format " << std::dec << format;
        }
    }
}

// Lines of one and two pixels, over each other and past the picture's edge.
ZLineLayer sampleLayer() {
    ZLineLayer layer;
    layer.add(zRgb(0, 0, 0), 2,
              {{{5, 5}, {60, 20}, {61, 20}, {61, 20}, {20, 70}},
               {{90, 3}},
               {{-5, 40}, {30, 45}},
               {{70, 70}, {95, 95}, {120, 60}}});
    layer.add(zRgb(0, 0, 255), 1,
              {{{0, 30}, {99, 30}}, {{50, 0}, {50, 99}, {49, 98}}, {{10, 90}, {90, 10}}});
    return layer;
}

// A recorded layer is copied as one block: exactly the pixels its drawn lines set, whatever lay
// beneath; a picture of another size gets the lines drawn.
TEST(RasterSurface, RecordedLineLayersSetThePixelsTheirLinesWould) {
    ZLineLayer layer = sampleLayer();
    layer.record(100, 100);
    EXPECT_TRUE(layer.isRecordedFor(100, 100));
    EXPECT_FALSE(layer.isRecordedFor(101, 100));
    EXPECT_FALSE(layer.coverage().isNull());
    for (QSize size : {QSize(100, 100), QSize(120, 100)}) {
        QImage recorded = rampImage(QImage::Format_RGB32).scaled(size);
        QImage drawn = recorded.copy();
        {
            ZRasterSurface surface(recorded);
            surface.drawLineLayer(layer);
        }
        {
            ZRasterSurface surface(drawn);
            surface.ZSurface::drawLineLayer(layer);
        }
        EXPECT_EQ(recorded, drawn) << size.width();
        EXPECT_NE(recorded, rampImage(QImage::Format_RGB32).scaled(size));
    }
}

TEST(RasterSurface, FontsOfA96DpiScreenAndTextOnWhiteInsideItsRectangle) {
    ZFont caption;
    caption.create("Times New Roman", 12, 0, 400, 0);
    ZFont font;
    font.create("Arial", 8, 0, 700, 0);
    EXPECT_EQ(ZRasterSurface::toQFont(caption).pixelSize(), 16);
    EXPECT_EQ(ZRasterSurface::toQFont(font).pixelSize(), 11);
    EXPECT_EQ(ZRasterSurface::toQFont(font).weight(), QFont::Bold);

    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::blue);
    {
        ZRasterSurface surface(image);
        surface.selectFont(font);
        surface.drawText("120W", ZRect{10, 10, 60, 20},
                         Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
        surface.drawText("Rechts", ZRect{100, 30, 190, 55},
                         Z_TEXT_RIGHT | Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE);
    }
    EXPECT_EQ(countOtherThan(image, 0xFF0000FF),
              countOtherThan(image.copy(10, 10, 50, 10), 0xFF0000FF) +
                  countOtherThan(image.copy(100, 30, 90, 25), 0xFF0000FF));
    // Centred: as much blue left of the white cell as right of it.
    int left = 10, right = 59;
    while (image.pixel(left, 15) != WHITE) {
        ++left;
    }
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
