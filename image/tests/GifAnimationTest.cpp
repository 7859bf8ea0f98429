#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <string>
#include <vector>

#include "GifChecks.h"
#include "image/ByteSink.h"
#include "image/GifAnimation.h"
#include "image/MemorySink.h"
#include "image/Picture.h"

namespace {

// The file's bytes are the golden file's, and a real decoder composes the frames to show each
// picture's colours everywhere.
void expectFile(const std::vector<std::uint8_t>& file, const char* golden,
                const std::vector<const Picture*>& shown) {
    expectGolden(file, golden);
    QByteArray bytes = asByteArray(file);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "GIF");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(shown.size()));
    for (const Picture* picture : shown) {
        expectShows(reader.read(), *picture);
    }
}

// An 8-bit frame: pixel (x, y) from the top gets index(x, y).
template <typename F>
void makeFrame(Picture& frame, const PaletteColor* palette, F index, int width = 20,
               int height = 10) {
    frame.create(width, height, 8);
    frame.setPalette(palette, 256);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.setPixelIndex(x, height - 1 - y, static_cast<std::uint8_t>(index(x, y)));
        }
    }
}

void grey(PaletteColor* palette, int offset) {
    for (int i = 0; i < 256; ++i) {
        auto v = static_cast<std::uint8_t>((i * 5 + offset) & 0xFF);
        palette[i] = {v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(i), 0};
    }
}

// Frames of the global palette: the first whole, an unchanged one as a single pixel, a changed
// one as exactly the rectangle that changed; all left in place, with their delay, looping. The
// golden file, as giflib reads it: a screen map, "netscape loop 0", and frames at (0, 0) of
// 20 x 10, at (0, 0) of 1 x 1 and at (3, 2) of 5 x 4, each of disposal mode 1 and delay 25;
// the last shows its unchanged pixels through transparent index 0.
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
    expectFile(sink.bytes, "shared-palette.gif", {&first, &same, &changed});
    EXPECT_EQ(composedAlike(sink.bytes), "-1 -1 0\n");
}

// Without a global table every frame brings its own and is written whole; without looping
// there is no looping extension. The golden file: no screen map, no loop, two whole frames
// with their own maps and delays of 2 and 100.
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

    expectFile(sink.bytes, "own-palettes.gif", {&a, &b});
}

// A frame gets a transparent index only where unchanged pixels showing through shortens its
// data; Qt composes the frames given, and giflib and Pillow compose them alike.
TEST(GifAnimationTest, UnchangedPixelsShowThroughOnlyWhereThatIsShorter) {
    PaletteColor palette[256];
    grey(palette, 0);
    auto noise = [](int x, int y) { return 1 + ((x * 7919u + y * 104729u) * 2654435761u >> 31); };
    // A third of the pixels swapped all over: the plain data is the shorter.
    auto swapped = [&](int x, int y) {
        return (x * y + x / 3) % 3 ? noise(x, y) : 3 - noise(x, y);
    };
    // Two corners changed: the noise between them shows through index 0.
    auto corners = [&](int x, int y) {
        return (x < 4 && y < 4) || (x >= 36 && y >= 20) ? 100 + x + y : swapped(x, y);
    };
    std::vector<Picture> frames(4);
    makeFrame(frames[0], palette, noise, 40, 24);
    makeFrame(frames[1], palette, swapped, 40, 24);
    makeFrame(frames[2], palette, corners, 40, 24);
    // Every index is some changed pixel's: none is left to show through.
    makeFrame(
        frames[3], palette, [](int x, int y) { return (x + 40 * y) % 256 ^ 128; }, 40, 24);
    MemorySink sink;
    GifAnimation gif(sink, 40, 24, palette, true);
    for (const Picture& frame : frames) {
        ASSERT_TRUE(gif.addFrame(frame, 10));
    }
    ASSERT_TRUE(gif.finish());
    expectFile(sink.bytes, "see-through.gif", {&frames[0], &frames[1], &frames[2], &frames[3]});
    EXPECT_EQ(composedAlike(sink.bytes), "-1 -1 0 -1\n");
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
