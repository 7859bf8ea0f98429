#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "image/ByteSink.h"
#include "image/GifAnimation.h"
#include "image/MemorySink.h"
#include "image/Picture.h"

namespace {

// What a frame's blocks say: its graphic control and its image descriptor.
struct FrameBlocks {
    int disposal = -1;
    int delay = -1;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool localTable = false;
};

struct AnimationBlocks {
    int screenPacked = 0;
    bool looping = false;
    std::vector<FrameBlocks> frames;
    bool trailer = false;
};

// Walks the blocks of a GIF89a, skipping the image data.
AnimationBlocks walk(const std::vector<std::uint8_t>& file) {
    AnimationBlocks blocks;
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "GIF89a");
    blocks.screenPacked = file[10];
    std::size_t at = 13 + ((file[10] & 0x80) ? 768 : 0);
    auto skipSubBlocks = [&] {
        while (file.at(at) != 0) {
            at += file[at] + 1u;
        }
        ++at;
    };
    FrameBlocks next;
    while (at < file.size()) {
        const int introducer = file[at];
        if (introducer == 0x3B) {
            blocks.trailer = at + 1 == file.size();
            break;
        }
        if (introducer == 0x21 && file.at(at + 1) == 0xF9) {
            next.disposal = (file[at + 3] >> 2) & 7;
            next.delay = file[at + 4] | (file[at + 5] << 8);
            at += 2;
            skipSubBlocks();
        } else if (introducer == 0x21 && file.at(at + 1) == 0xFF) {
            blocks.looping =
                std::string(file.begin() + at + 3, file.begin() + at + 14) == "NETSCAPE2.0" &&
                file[at + 15] == 1 && file[at + 16] == 0 && file[at + 17] == 0;
            at += 2;
            skipSubBlocks();
        } else if (introducer == 0x2C) {
            next.left = file[at + 1] | (file[at + 2] << 8);
            next.top = file[at + 3] | (file[at + 4] << 8);
            next.width = file[at + 5] | (file[at + 6] << 8);
            next.height = file[at + 7] | (file[at + 8] << 8);
            next.localTable = (file[at + 9] & 0x80) != 0;
            at += 10 + (next.localTable ? 768 : 0) + 1;
            skipSubBlocks();
            blocks.frames.push_back(next);
            next = FrameBlocks{};
        } else {
            ADD_FAILURE() << "unknown block " << introducer << " at " << at;
            break;
        }
    }
    return blocks;
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

// The frames as a real decoder composes them must show each picture's colours everywhere,
// and giflib's dump must read the file.
void expectDecodes(const std::vector<std::uint8_t>& file,
                   const std::vector<const Picture*>& shown) {
    QByteArray bytes(reinterpret_cast<const char*>(file.data()),
                     static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "GIF");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(shown.size()));
    for (const Picture* picture : shown) {
        QImage frame = reader.read();
        ASSERT_EQ(frame.size(), QSize(20, 10));
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 20; ++x) {
                PaletteColor c = picture->getPaletteColor(picture->getPixelIndex(x, 9 - y));
                ASSERT_EQ(frame.pixel(x, y) & 0xFFFFFF, qRgb(c.red, c.green, c.blue) & 0xFFFFFF);
            }
        }
    }
    QTemporaryDir folder;
    std::string path = folder.filePath("film.gif").toStdString();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    EXPECT_EQ(std::system(("gifbuild -d '" + path + "' > /dev/null 2>&1").c_str()), 0);
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

    AnimationBlocks blocks = walk(sink.bytes);
    EXPECT_EQ(blocks.screenPacked, 0xF7);
    EXPECT_TRUE(blocks.looping);
    EXPECT_TRUE(blocks.trailer);
    ASSERT_EQ(blocks.frames.size(), 3u);
    const int expected[3][4] = {{0, 0, 20, 10}, {0, 0, 1, 1}, {3, 2, 5, 4}};
    for (int i = 0; i < 3; ++i) {
        const FrameBlocks& f = blocks.frames[std::size_t(i)];
        EXPECT_EQ(f.disposal, 1);
        EXPECT_EQ(f.delay, 25);
        EXPECT_FALSE(f.localTable);
        EXPECT_EQ((std::vector<int>{f.left, f.top, f.width, f.height}),
                  (std::vector<int>(expected[i], expected[i] + 4)))
            << "frame " << i;
    }
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

    AnimationBlocks blocks = walk(sink.bytes);
    EXPECT_EQ(blocks.screenPacked, 0x70);
    EXPECT_FALSE(blocks.looping);
    ASSERT_EQ(blocks.frames.size(), 2u);
    for (const FrameBlocks& f : blocks.frames) {
        EXPECT_TRUE(f.localTable);
        EXPECT_EQ(f.width * f.height, 200);
    }
    EXPECT_EQ(blocks.frames[0].delay, 2);
    EXPECT_EQ(blocks.frames[1].delay, 100);
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
