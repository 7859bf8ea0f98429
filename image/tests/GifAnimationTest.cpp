#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "GifChecks.h"
#include "image/ByteSink.h"
#include "image/GifAnimation.h"
#include "image/MemorySink.h"
#include "image/Picture.h"

namespace {

// The frames' places, sizes and delays as giflib reads them: "left top width height delay"
// with "+map" for a frame with its own colour table. Every frame is left in place.
std::vector<std::string> framesIn(const std::string& dump) {
    std::vector<std::string> frames;
    std::istringstream lines(dump);
    std::string frame;
    int delay = 0;
    int a = 0;
    int b = 0;
    for (std::string line; std::getline(lines, line);) {
        if (std::sscanf(line.c_str(), "\tdisposal mode %d", &a) == 1) {
            EXPECT_EQ(a, 1);
        }
        std::sscanf(line.c_str(), "\tdelay %d", &delay);
        if (std::sscanf(line.c_str(), "image left %d", &a) == 1 ||
            std::sscanf(line.c_str(), "image top %d", &a) == 1) {
            frame += std::to_string(a) + " ";
        } else if (line == "image map") {
            frame += "+map ";
        } else if (std::sscanf(line.c_str(), "image bits %d by %d", &a, &b) == 2) {
            frames.push_back(frame + std::to_string(a) + " " + std::to_string(b) + " " +
                             std::to_string(delay));
            frame.clear();
        }
    }
    return frames;
}

// An 8-bit frame: pixel (x, y) from the top gets index(x, y).
template <typename F>
void makeFrame(Picture& frame, const PaletteColor* palette, F index) {
    frame.create(20, 10, 8);
    frame.setPalette(palette, 256);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            frame.setPixelIndex(x, 9 - y, static_cast<std::uint8_t>(index(x, y)));
        }
    }
}

void grey(PaletteColor* palette, int offset) {
    for (int i = 0; i < 256; ++i) {
        auto v = static_cast<std::uint8_t>((i * 5 + offset) & 0xFF);
        palette[i] = {v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(i), 0};
    }
}

// The frames as a real decoder composes them show each picture's colours everywhere.
void expectDecodes(const std::vector<std::uint8_t>& file,
                   const std::vector<const Picture*>& shown) {
    QByteArray bytes = asByteArray(file);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "GIF");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(shown.size()));
    for (const Picture* picture : shown) {
        expectShows(reader.read(), *picture);
    }
}

// Frames of the global palette: the first whole, an unchanged one as a single pixel, a changed
// one as exactly the rectangle that changed; all left in place, with their delay, looping.
TEST(GifAnimationTest, SharedPaletteFramesWriteWhatChanged) {
    PaletteColor palette[256];
    grey(palette, 0);
    Picture first;
    Picture same;
    Picture changed;
    auto pattern = [](int x, int y) { return (x * 7 + y * 3) % 11; };
    makeFrame(first, palette, pattern);
    makeFrame(same, palette, pattern);
    makeFrame(changed, palette, [&](int x, int y) {
        bool inside = (x == 3 && y == 2) || (x == 7 && y == 5) || (x == 5 && y == 4);
        return inside ? 200 : pattern(x, y);
    });
    MemorySink sink;
    GifAnimation gif(sink, 20, 10, palette, true);
    for (const Picture* frame : {&first, &same, &changed}) {
        ASSERT_TRUE(gif.addFrame(*frame, 25));
    }
    ASSERT_TRUE(gif.finish());
    EXPECT_EQ(gif.getFrameCount(), 3u);

    EXPECT_EQ(std::string(sink.bytes.begin(), sink.bytes.begin() + 6), "GIF89a");
    std::string dump = gifbuildDump(sink.bytes);
    EXPECT_NE(dump.find("screen map"), std::string::npos);
    EXPECT_NE(dump.find("netscape loop 0"), std::string::npos);
    EXPECT_EQ(framesIn(dump),
              (std::vector<std::string>{"0 0 20 10 25", "0 0 1 1 25", "3 2 5 4 25"}));
    expectDecodes(sink.bytes, {&first, &same, &changed});
}

// Without a global table every frame brings its own and is written whole; without looping
// there is no looping extension.
TEST(GifAnimationTest, OwnPalettesGoWithTheirFrames) {
    PaletteColor one[256];
    PaletteColor two[256];
    grey(one, 0);
    grey(two, 77);
    Picture a;
    Picture b;
    makeFrame(a, one, [](int x, int y) { return x + y; });
    makeFrame(b, two, [](int x, int y) { return x + y; });
    MemorySink sink;
    GifAnimation gif(sink, 20, 10, nullptr, false);
    ASSERT_TRUE(gif.addFrame(a, 2));
    ASSERT_TRUE(gif.addFrame(b, 100));
    ASSERT_TRUE(gif.finish());

    std::string dump = gifbuildDump(sink.bytes);
    EXPECT_EQ(dump.find("screen map"), std::string::npos);
    EXPECT_EQ(dump.find("netscape loop"), std::string::npos);
    EXPECT_EQ(framesIn(dump), (std::vector<std::string>{"0 0 +map 20 10 2", "0 0 +map 20 10 100"}));
    expectDecodes(sink.bytes, {&a, &b});
}

class FailingSink : public ByteSink {
  public:
    void write(const std::uint8_t*, std::size_t) override {}
    bool flush() override { return false; }
};

// A frame that is not an 8-bit picture of the screen's size is refused; a failed write shows
// at the end.
TEST(GifAnimationTest, WrongFramesAndWriteErrorsAreReported) {
    PaletteColor palette[256];
    grey(palette, 0);
    FailingSink sink;
    GifAnimation gif(sink, 20, 10, palette, true);
    Picture small;
    small.create(19, 10, 8);
    Picture deep;
    deep.create(20, 10, 24);
    EXPECT_FALSE(gif.addFrame(small, 10));
    EXPECT_FALSE(gif.addFrame(deep, 10));
    EXPECT_FALSE(gif.getLastError().empty());
    EXPECT_EQ(gif.getFrameCount(), 0u);
    EXPECT_FALSE(gif.finish());
    EXPECT_EQ(gif.getLastError(), "Write Error in GIF file");
}

}  // namespace
