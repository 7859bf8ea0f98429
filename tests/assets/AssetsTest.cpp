// Checks the committed world pictures and coastlines: sizes, land and sea where they are, the
// coastline file's format and no line across the map at the date line.
#include <gtest/gtest.h>

#include <QImage>

#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kAssets = SORVO_SOURCE_DIR "/assets/";

struct MapPoint {
    double a;  // fraction of the full circle from 180 W
    double b;  // from the south pole in the same unit
};
using Polyline = std::vector<MapPoint>;

// Splits worldmap.txt at its pen lifts. A line that is not exactly two numbers fails the test.
std::vector<Polyline> readWorldmap() {
    std::ifstream in(kAssets + "worldmap.txt");
    EXPECT_TRUE(in) << "worldmap.txt missing";
    std::vector<Polyline> lines(1);
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        const char* end = text.data() + text.size();
        MapPoint p{};
        const auto first = std::from_chars(text.data(), end, p.a);
        const bool blank = first.ec == std::errc() && first.ptr < end && *first.ptr == ' ';
        const auto second = blank ? std::from_chars(first.ptr + 1, end, p.b) : first;
        if (!blank || second.ec != std::errc() || second.ptr != end) {
            ADD_FAILURE() << "line " << number << " is not two numbers: '" << text << "'";
            continue;
        }
        if (p.a > 1.0) {
            lines.emplace_back();
            continue;
        }
        EXPECT_TRUE(p.a >= 0.0 && p.b >= 0.0 && p.b <= 0.5) << "line " << number << ": " << text;
        lines.back().push_back(p);
    }
    return lines;
}

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

TEST(AssetsTest, CoastlinesAreClosedOrEndOnTheDateLine) {
    const std::vector<Polyline> lines = readWorldmap();
    std::size_t points = 0;
    for (const Polyline& line : lines) {
        ASSERT_GE(line.size(), 2u) << "a pen lift without a line after it";
        points += line.size();
        const MapPoint& head = line.front();
        const MapPoint& tail = line.back();
        const bool closed = head.a == tail.a && head.b == tail.b;
        const bool endsOnEdges = (head.a == 0 || head.a == 1) && (tail.a == 0 || tail.a == 1);
        EXPECT_TRUE(closed || endsOnEdges)
            << "open line from " << head.a << " " << head.b << " to " << tail.a << " " << tail.b;
        for (std::size_t i = 1; i < line.size(); ++i) {
            // Only a date-line jump would draw a stroke this long across the map.
            EXPECT_LT(std::abs(line[i].a - line[i - 1].a), 30.0 / 360.0)
                << "near " << line[i].a << " " << line[i].b;
        }
    }
    EXPECT_GT(lines.size(), 500u);
    EXPECT_GT(points, 10000u);
}

}  // namespace
