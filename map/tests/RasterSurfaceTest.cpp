#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <vector>

#include "PictureCompare.h"
#include "PixelChecks.h"
#include "map/ColourScale.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZLineLayer.h"
#include "toolkit/ui/ZRasterSurface.h"
#include "toolkit/ui/ZThinLine.h"

namespace {

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Fills and one-pixel lines leave out the far edges and the end points (a corner belongs to the
// second segment), unsmoothed; later drawing covers earlier lines; a block of pixels sets those
// its mask names. The mapping scales evenly by the smaller ratio; bitmaps stretch, crop and copy.
TEST(RasterSurface, FillsLinesMappingAndBitmapsSetTheirWorkedPixels) {
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
        // A block of pixels sets only those its mask names.
        std::uint32_t rgb[] = {0x112233, 0x445566, 0x778899, 0xAABBCC};
        std::uint8_t mask[] = {1, 0, 0, 1};
        surface.drawPixels(36, 0, 2, 2, rgb, mask);
    }
    EXPECT_TRUE(matchesGolden(image, "map/tests/golden/fills-and-lines.png"));
    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(Qt::red);
    source.setPixelColor(3, 1, Qt::green);
    ZBitmap bitmap;
    bitmap.create(source);
    image = whiteImage(60, 60);
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
    EXPECT_TRUE(matchesGolden(image, "map/tests/golden/mapping-and-bitmaps.png"));
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
            EXPECT_TRUE(picturesMatch(ours, painters, "translucent-fill"))
                << std::hex << colour << " format " << std::dec << format;
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
        EXPECT_TRUE(picturesMatch(recorded, drawn, "line-layer")) << size.width();
        EXPECT_NE(recorded, rampImage(QImage::Format_RGB32).scaled(size));
    }
}

// The step-by-step walk of a one-pixel line, keeping the pixels inside the area. Both axes move
// one way only, so the walk ends once a coordinate lies beyond the area on the side it moves to.
QPolygon walkedPixels(ZLinePixel from, ZLinePixel to, const QRect& area) {
    std::int64_t dx = std::abs(to.x - from.x);
    std::int64_t dy = -std::abs(to.y - from.y);
    int stepX = from.x < to.x ? 1 : -1;
    int stepY = from.y < to.y ? 1 : -1;
    auto gone = [](std::int64_t at, int step, int low, int high) {
        return step > 0 ? at > high : at < low;
    };
    std::int64_t error = dx + dy;
    std::int64_t px = from.x;
    std::int64_t py = from.y;
    QPolygon pixels;
    while (px != to.x || py != to.y) {
        if (area.contains(static_cast<int>(std::clamp<std::int64_t>(px, INT32_MIN, INT32_MAX)),
                          static_cast<int>(std::clamp<std::int64_t>(py, INT32_MIN, INT32_MAX)))) {
            pixels << QPoint(static_cast<int>(px), static_cast<int>(py));
        } else if (gone(px, stepX, area.left(), area.right()) ||
                   gone(py, stepY, area.top(), area.bottom())) {
            break;
        }
        std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += stepX;
        }
        if (twice <= dx) {
            error += dx;
            py += stepY;
        }
    }
    return pixels;
}

QPolygon cutPixels(ZLinePixel from, ZLinePixel to, const QRect& area) {
    QPolygon pixels;
    appendThinLine(pixels, from, to, area);
    return pixels;
}

// Every line between points in and around a small area, degenerate ones included.
TEST(ThinLine, CutLinesSetExactlyThePixelsOfTheWholeWalkInsideTheArea) {
    const QRect area(0, 0, 12, 8);
    std::vector<std::int64_t> xs{-9, -1, 0, 1, 5, 10, 11, 12, 13, 25};
    std::vector<std::int64_t> ys{-6, -1, 0, 3, 6, 7, 8, 19};
    std::vector<ZLinePixel> points;
    for (std::int64_t x : xs) {
        for (std::int64_t y : ys) {
            points.push_back({x, y});
        }
    }
    for (ZLinePixel from : points) {
        for (ZLinePixel to : points) {
            ASSERT_EQ(cutPixels(from, to, area), walkedPixels(from, to, area))
                << from.x << "," << from.y << " to " << to.x << "," << to.y;
        }
    }
    EXPECT_TRUE(cutPixels({-5, 3}, {20, 4}, QRect()).isEmpty());
}

// Lines of billions of pixels: those that start near the area are walked out; those that start
// far away are a short step repeated, walked step by step near the area only.
TEST(ThinLine, LinesOfBillionsOfPixelsCostWhatTheirVisiblePartCosts) {
    const QRect area(0, 0, 1060, 610);
    constexpr std::int64_t G = 2'000'000'000;
    struct Line {
        ZLinePixel from;
        ZLinePixel to;
    };
    for (Line line : {Line{{5, 7}, {G, 9}}, Line{{5, 7}, {-G, -G + 3}}, Line{{0, 0}, {G, G}},
                      Line{{1059, 609}, {-G, 1}}, Line{{10, -3}, {11, G}},
                      Line{{530, 300}, {G - 17, -G + 5}}, Line{{-40, 20}, {G, 2 * G}}}) {
        QPolygon walked = walkedPixels(line.from, line.to, area);
        EXPECT_FALSE(walked.isEmpty());
        EXPECT_EQ(cutPixels(line.from, line.to, area), walked) << line.to.x << "," << line.to.y;
    }
    for (Line line :
         {Line{{-G, -3 * G / 4}, {G, 3 * G / 4}}, Line{{G, 300 + G / 2}, {-G, 300 - G / 2}},
          Line{{300 - 2'000'000, -7 * G / 10}, {8'000'300, 28 * G / 10}},
          Line{{-G, 600}, {G, 600}}}) {
        const std::int64_t dx = line.to.x - line.from.x;
        const std::int64_t dy = line.to.y - line.from.y;
        const std::int64_t times = std::gcd(dx, dy);
        const ZLinePixel step{dx / times, dy / times};
        const std::int64_t major = std::max(std::abs(step.x), std::abs(step.y));
        // The repetitions that reach the area lie within one picture's width of it.
        const std::int64_t distance =
            std::abs(step.x) >= std::abs(step.y) ? std::abs(line.from.x) : std::abs(line.from.y);
        const std::int64_t skipped = std::max<std::int64_t>(0, (distance - 2000) / major);
        QPolygon repeated;
        for (std::int64_t i = skipped; i < times && i < skipped + 4000 / major + 2; ++i) {
            repeated << walkedPixels(
                {line.from.x + i * step.x, line.from.y + i * step.y},
                {line.from.x + (i + 1) * step.x, line.from.y + (i + 1) * step.y}, area);
        }
        EXPECT_FALSE(repeated.isEmpty());
        EXPECT_EQ(cutPixels(line.from, line.to, area), repeated)
            << line.from.x << "," << line.from.y;
    }
}

// Lines and fills reaching billions of pixels past the picture draw their visible part, under a
// mapping too (the line at y 4 lands on 8), a pen of three pixels with round ends; a block of
// pixels half outside keeps its own pixels in place.
TEST(RasterSurface, HugeLinesAndFillsDrawTheirVisiblePart) {
    constexpr int G = 2'000'000'000;
    QImage image = whiteImage(40, 30);
    std::uint32_t rgb[] = {0x000001, 0x000002, 0x000003, 0x000004};
    {
        ZRasterSurface surface(image);
        surface.fillRect(ZRect{-G, -G, G, 2}, zRgb(255, 0, 0));
        surface.fillTranslucent(ZRect{-G, 28, G, G}, 0x800000FF);
        surface.selectPen(0, 1);
        surface.moveTo(-G, 5);
        surface.lineTo(G, 5);
        surface.moveTo(3, -G);
        surface.lineTo(3, G);
        // Mapped end points beyond the range of int.
        surface.setIsotropicMapping(10, 10, 20, 20);
        surface.moveTo(-G, 4);
        surface.lineTo(G, 4);
        surface.resetMapping();
        surface.selectPen(zRgb(0, 255, 0), 3);
        surface.moveTo(-G, 15);
        surface.lineTo(G, 15);
        surface.moveTo(G, -G);
        surface.lineTo(G, -G + 1);
        surface.drawPixels(38, 20, 2, 2, rgb, nullptr);
        surface.drawPixels(-1, 20, 2, 2, rgb, nullptr);
    }
    EXPECT_TRUE(matchesGolden(image, "map/tests/golden/huge-lines.png"));
}

// A surface on a painter draws lines only into the area it was given.
TEST(RasterSurface, PainterSurfacesDrawLinesIntoTheirAreaOnly) {
    QImage image = whiteImage(40, 30);
    {
        QPainter painter(&image);
        ZRasterSurface surface(painter, QRect(10, 10, 5, 5));
        surface.selectPen(0, 1);
        surface.moveTo(0, 12);
        surface.lineTo(40, 12);
    }
    EXPECT_EQ(countOtherThan(image, WHITE), 5);
    expectColourAt(image, BLACK, {10, 12, 14, 12});
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

}  // namespace
