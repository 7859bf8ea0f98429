// Checks the committed world pictures and coastlines: sizes, land and sea where they are, the
// coastline file's format and no line across the map at the date line.
#include <gtest/gtest.h>

#include <QImage>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>

namespace {

const std::string kAssets = SORVO_SOURCE_DIR "/assets/";

// Whole world maps of the map's size; a picture shifted or mirrored puts oceans where the land
// should be (the night picture shows no sea). Water is bluer than land in both others.
TEST(AssetsTest, PicturesAreWorldMapsWithLandAndSeaWhereTheyAre) {
    struct Place {
        const char* name;
        double lon, lat;
        bool land;
    };
    const Place places[] = {{"Sahara", 10, 23, true},
                            {"Australia", 135, -25, true},
                            {"Chukotka", -175, 67, true},
                            {"Mid-Pacific", -150, 0, false},
                            {"Pacific west of 180", 175, 20, false}};
    for (auto [name, showsSea] :
         {std::pair{"weltkarte1.jpg", true}, {"weltkarte2.jpg", false}, {"weltkarte3.jpg", true}}) {
        const QImage image(QString::fromStdString(kAssets + std::string(name)));
        ASSERT_EQ(image.size(), QSize(1000, 500)) << name;
        for (const Place& place : places) {
            const QRgb colour = image.pixel(static_cast<int>((place.lon + 180.0) / 360.0 * 1000),
                                            static_cast<int>((90.0 - place.lat) / 180.0 * 500));
            const bool water = qBlue(colour) > qRed(colour) + 20 && qBlue(colour) > qGreen(colour);
            EXPECT_TRUE(!showsSea || water != place.land) << name << ": " << place.name;
        }
    }
}

// Lines of two numbers: the fraction of the full circle from 180 W, and from the south pole in
// the same unit; a first number above 1 lifts the pen. Every line is closed or ends on the
// date line, and no stroke is long enough to be a date-line jump across the map.
TEST(AssetsTest, CoastlinesAreClosedOrEndOnTheDateLine) {
    std::ifstream in(kAssets + "worldmap.txt");
    ASSERT_TRUE(in);
    std::string text;
    double headA = -1, headB = 0, a = 0, b = 0;
    int lines = 0;
    int points = 0;
    int inLine = 0;
    auto endLine = [&] {
        const bool onEdges = (headA == 0 || headA == 1) && (a == 0 || a == 1);
        EXPECT_GE(inLine, 2) << "a pen lift without a line after it, before line " << points;
        EXPECT_TRUE((headA == a && headB == b) || onEdges)
            << "open line ending at " << a << " " << b;
        ++lines;
        headA = -1;
        inLine = 0;
    };
    for (int number = 1; std::getline(in, text); ++number) {
        const char* end = text.data() + text.size();
        double nextA = 0, nextB = 0;
        const auto first = std::from_chars(text.data(), end, nextA);
        const bool blank = first.ec == std::errc() && first.ptr < end && *first.ptr == ' ';
        const auto second = std::from_chars(blank ? first.ptr + 1 : end, end, nextB);
        ASSERT_TRUE(blank && second.ec == std::errc() && second.ptr == end)
            << "line " << number << " is not two numbers: '" << text << "'";
        if (nextA > 1.0) {
            endLine();
            continue;
        }
        EXPECT_TRUE(nextA >= 0.0 && nextB >= 0.0 && nextB <= 0.5) << "line " << number;
        if (inLine++ == 0) {
            headA = nextA;
            headB = nextB;
        } else {
            EXPECT_LT(std::abs(nextA - a), 30.0 / 360.0) << "line " << number;
        }
        a = nextA;
        b = nextB;
        ++points;
    }
    endLine();
    EXPECT_GT(lines, 500);
    EXPECT_GT(points, 10000);
}

}  // namespace
