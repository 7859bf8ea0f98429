#include <gtest/gtest.h>

#include <QImage>

#include "TestDataset.h"
#include "map/Coastlines.h"
#include "map/ViewState.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

constexpr QRgb WHITE = 0xFFFFFFFF;
constexpr QRgb BLACK = 0xFF000000;

TEST(Coastlines, LinesReadAsScanfWouldWithPointOrCommaWhateverTheLocale) {
    struct Case {
        const char* line;
        float a;
        float b;
    };
    for (Case c : {Case{"0,5 0,25", 0.5f, 0.25f}, Case{"\t0.125\t 4e-1 junk", 0.125f, 0.4f},
                   Case{"+0.5 -0.25", 0.5f, -0.25f}, Case{"0.7", 0.7f, 0.0f},
                   Case{"abc 0.3", 0.0f, 0.0f}, Case{"   ", 0.0f, 0.0f}}) {
        CoastlinePoint point = parseCoastlineLine(c.line);
        EXPECT_EQ(point.a, c.a) << c.line;
        EXPECT_EQ(point.b, c.b) << c.line;
    }
    EXPECT_TRUE(parseCoastlineLine("2 0").isPenLift());
    EXPECT_FALSE(parseCoastlineLine("1.0 0.3").isPenLift());
}

class CoastlineDrawing : public testing::Test {
  protected:
    QImage draw(double scale) {
        ViewState view;
        view.scaleX = scale;
        view.scaleY = scale;
        QImage image(1060, 610, QImage::Format_RGB32);
        image.fill(Qt::white);
        ZRasterSurface surface(image);
        drawCoastlines(surface, view);
        return image;
    }
    int blackPixels(const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) == BLACK;
            }
        }
        return count;
    }

    ScopedTempDir workingDirectory{true};
};

TEST_F(CoastlineDrawing, PointsLandOnTheMapAndJoinUntilThePenLifts) {
    workingDirectory.write(
        "worldmap.txt", "0,5 0,25\n0.75 0.25\n\n0.75 0.4\n2 0\n0.1 0.2\n2 0\n0.3 0.2\n0.3 0.3\n");
    QImage image = draw(1.0);
    // 0 E, 0 N lies at the map's centre; the line to 90 E ends before its end point.
    EXPECT_EQ(image.pixel(530, 280), BLACK);
    EXPECT_EQ(image.pixel(779, 280), BLACK);
    // The empty line keeps the pen down: the polyline turns north at 90 E.
    EXPECT_EQ(image.pixel(780, 280), BLACK);
    EXPECT_EQ(image.pixel(780, 131), BLACK);
    EXPECT_EQ(image.pixel(780, 130), WHITE);
    // A point alone between two markers draws nothing, and nothing joins it to the next line.
    EXPECT_EQ(image.pixel(130, 330), WHITE);
    EXPECT_EQ(image.pixel(230, 330), WHITE);
    EXPECT_EQ(image.pixel(330, 330), BLACK);
    EXPECT_EQ(blackPixels(image), 250 + 150 + 100);
}

TEST_F(CoastlineDrawing, PointsScaleWithTheMap) {
    workingDirectory.write("worldmap.txt", "0.5 0.25\n1.0 0.5\n");
    QImage image = draw(0.75);
    // From (375, 187.5 rounded to 188) past the margin to the north-east corner (780, 30).
    EXPECT_EQ(image.pixel(405, 218), BLACK);
    EXPECT_EQ(image.pixel(780, 30), WHITE);
}

TEST_F(CoastlineDrawing, MissingOrEmptyFilesDrawNothing) {
    EXPECT_EQ(blackPixels(draw(1.0)), 0);
    workingDirectory.write("worldmap.txt", "2 0\n\n2.5 1\n\n");
    EXPECT_EQ(blackPixels(draw(1.0)), 0);
}

}  // namespace
