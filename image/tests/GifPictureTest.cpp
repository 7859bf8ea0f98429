#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "GifChecks.h"
#include "image/ByteSink.h"
#include "image/MemorySink.h"
#include "image/Picture.h"

namespace {

std::vector<std::uint8_t> encoded(Picture& picture) {
    MemorySink sink;
    EXPECT_TRUE(picture.encode(&sink, PICTURE_FORMAT_GIF)) << picture.getLastError();
    return sink.bytes;
}

void setIndices(Picture& picture, const std::function<int(int, int)>& index) {
    for (int y = 0; y < picture.getHeight(); ++y) {
        for (int x = 0; x < picture.getWidth(); ++x) {
            picture.setPixelIndex(x, y, static_cast<std::uint8_t>(index(x, y)));
        }
    }
}

// An 8-bit picture of pseudo-random indices below `colors`, with a grey ramp palette.
void makeNoise(Picture& picture, int width, int height, int colors, std::uint32_t seed) {
    picture.create(width, height, 8);
    PaletteColor palette[256] = {};
    for (int i = 0; i < 256; ++i) {
        palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                      static_cast<std::uint8_t>(i * 7), 0};
    }
    picture.setPalette(palette, 256);
    setIndices(picture, [&](int, int) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 16) % colors);
    });
}

// The file ends with its trailer, and a real decoder shows the picture.
void expectDecodesTo(const std::vector<std::uint8_t>& file, const Picture& picture) {
    ASSERT_GT(file.size(), 2u);
    EXPECT_EQ(file.back(), 0x3B);
    expectShows(QImage::fromData(asByteArray(file), "GIF"), picture);
}

TEST(GifPictureTest, SinglePixelIsTheWorkedFile) {
    Picture picture;
    picture.create(1, 1, 8);
    PaletteColor palette[256] = {};
    palette[5] = {3, 2, 1, 0};
    picture.setPalette(palette, 256);
    picture.setPixelIndex(0, 0, 5);
    std::vector<std::uint8_t> file = encoded(picture);

    std::vector<std::uint8_t> expected = {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0xF7, 0, 0};
    for (int i = 0; i < 256; ++i) {
        expected.insert(expected.end(), {std::uint8_t(i == 5 ? 1 : 0), std::uint8_t(i == 5 ? 2 : 0),
                                         std::uint8_t(i == 5 ? 3 : 0)});
    }
    expected.insert(expected.end(), {0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0xFF, 0x00});
    expected.insert(expected.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 8});
    // Clear 256, 5, End 257, nine bits each.
    expected.insert(expected.end(), {4, 0x00, 0x0B, 0x04, 0x04, 0x00, 0x3B});
    EXPECT_EQ(file, expected);

    // A transparent index is flagged in the graphic control extension.
    picture.setTransparentIndex(2);
    expected[13 + 768 + 3] = 0x01;
    expected[13 + 768 + 6] = 0x02;
    EXPECT_EQ(encoded(picture), expected);
}

TEST(GifPictureTest, SmallDepthsWidenTheCodeSize) {
    // The code size follows the colour table, the graphic control and the image descriptor.
    auto check = [](Picture& picture, int packed, std::size_t tableBytes, int codeSize) {
        std::vector<std::uint8_t> file = encoded(picture);
        EXPECT_EQ(file[10], packed);
        ASSERT_GT(file.size(), 13 + tableBytes + 18);
        EXPECT_EQ(file[13 + tableBytes + 18], codeSize);
        expectDecodesTo(file, picture);
    };
    Picture mono;
    mono.create(9, 3, 1);
    PaletteColor two[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    mono.setPalette(two, 2);
    setIndices(mono, [](int x, int y) { return (x + y) % 2; });
    check(mono, 0x80, 6, 2);

    Picture sixteen;
    sixteen.create(13, 11, 4);
    PaletteColor palette[16] = {};
    for (int i = 0; i < 16; ++i) {
        palette[i] = {std::uint8_t(i * 16), std::uint8_t(i * 3), std::uint8_t(200 - i), 0};
    }
    sixteen.setPalette(palette, 16);
    setIndices(sixteen, [](int x, int y) { return (x * y + x) % 16; });
    check(sixteen, 0xB3, 48, 4);
}

// The dictionary's probing stops at a slot holding key 0 (the string "0 0") as at an empty
// one. Here "0 0" lands in slot 5002 after "16 1" took slot 0; "5 156" then starts at slot
// 2501 (taken by "117 155"), probes into 5002 and overwrites it, so the second "0 0" is not
// found and goes out as two codes. A probe that stepped over key 0 would write code 260.
TEST(GifPictureTest, ProbingStopsAtTheZeroKey) {
    const std::uint8_t pixels[] = {16, 1, 0, 0, 117, 155, 5, 156, 0, 0};
    Picture picture;
    makeNoise(picture, 10, 1, 1, 0);
    setIndices(picture, [&](int x, int) { return pixels[x]; });
    std::vector<std::uint8_t> file = encoded(picture);
    // Code size 8, then one sub-block of twelve nine-bit codes: Clear, 16, 1, 0, 0, 117, 155,
    // 5, 156, 0, 0, End; then the trailer.
    const std::vector<std::uint8_t> data = {8,    14,   0x00, 0x21, 0x04, 0x00, 0x00, 0xA0, 0xCE,
                                            0xA6, 0x02, 0x9C, 0x00, 0x00, 0x08, 0x08, 0x00, 0x3B};
    ASSERT_GT(file.size(), data.size());
    EXPECT_EQ(std::vector(file.end() - static_cast<std::ptrdiff_t>(data.size()), file.end()), data);
    expectDecodesTo(file, picture);
}

// Long data keeps its bytes: the golden files hold the uniform picture's data in sub-blocks of
// 254 bytes but the last, and the noise fills the dictionary several times over, with every
// later Clear exactly when code 4095 has been given out and nine-bit codes after it.
TEST(GifPictureTest, LongDataKeepsItsBytes) {
    struct Case {
        const char* golden;
        int width, height, colors;
    };
    for (Case c : {Case{"uniform-600x400.gif", 600, 400, 1}, Case{"noise-256.gif", 180, 100, 256},
                   Case{"noise-7.gif", 250, 250, 7}}) {
        SCOPED_TRACE(c.golden);
        Picture picture;
        makeNoise(picture, c.width, c.height, c.colors, 99);
        std::vector<std::uint8_t> file = encoded(picture);
        expectGolden(file, c.golden);
        expectDecodesTo(file, picture);
    }
}

// Two threads encoding at once must each get the file they would get alone.
TEST(GifPictureTest, ConcurrentEncodingsDoNotInterleave) {
    Picture first;
    Picture second;
    makeNoise(first, 300, 200, 256, 1);
    makeNoise(second, 200, 300, 13, 2);
    std::vector<std::uint8_t> alone1 = encoded(first);
    std::vector<std::uint8_t> alone2 = encoded(second);
    for (int round = 0; round < 5; ++round) {
        std::vector<std::uint8_t> together1;
        std::vector<std::uint8_t> together2;
        std::thread a([&] { together1 = encoded(first); });
        std::thread b([&] { together2 = encoded(second); });
        a.join();
        b.join();
        ASSERT_EQ(together1, alone1);
        ASSERT_EQ(together2, alone2);
    }
}

class FailingSink : public ByteSink {
  public:
    void write(const std::uint8_t*, std::size_t size) override { written += size; }
    bool flush() override { return false; }
    std::size_t written = 0;
};

TEST(GifPictureTest, FailuresAreReportedInTheErrorText) {
    Picture picture;
    makeNoise(picture, 3, 3, 4, 1);
    EXPECT_FALSE(picture.encode(nullptr, PICTURE_FORMAT_GIF));
    EXPECT_EQ(picture.getLastError(), "Can't open GIF for writing");

    MemorySink sink;
    EXPECT_FALSE(picture.encode(&sink, 2));
    EXPECT_EQ(picture.getLastError(), "Unsupported operation for this format");

    FailingSink failing;
    EXPECT_FALSE(picture.encode(&failing, PICTURE_FORMAT_GIF));
    EXPECT_EQ(picture.getLastError(), "Write Error in GIF file");
    EXPECT_GT(failing.written, 0u);

    Picture deep;
    deep.create(3, 3, 24);
    EXPECT_FALSE(deep.encode(&sink, PICTURE_FORMAT_GIF));
    EXPECT_EQ(deep.getLastError(), "GIF Images must be 8 bit or less");
    EXPECT_TRUE(sink.bytes.empty());
}

// A file is replaced only by a complete new one; a failed encoding leaves the old in place, and
// a file that cannot be made gives the system's reason.
TEST(GifPictureTest, SaveReplacesOnlyWhenComplete) {
    QTemporaryDir folder;
    std::string path = folder.filePath("karte.gif").toStdString();
    std::ofstream(path) << "old";
    Picture deep;
    deep.create(3, 3, 24);
    EXPECT_FALSE(deep.save(path, PICTURE_FORMAT_GIF));
    std::ifstream old(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);

    Picture picture;
    makeNoise(picture, 30, 20, 256, 3);
    ASSERT_TRUE(picture.save(path, PICTURE_FORMAT_GIF));
    std::ifstream saved(path, std::ios::binary);
    std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(saved), {}};
    EXPECT_EQ(file, encoded(picture));

    EXPECT_FALSE(
        picture.save(folder.filePath("missing/karte.gif").toStdString(), PICTURE_FORMAT_GIF));
    EXPECT_EQ(picture.getLastError(), "No such file or directory");
}

}  // namespace
