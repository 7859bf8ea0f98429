#include <gtest/gtest.h>

#include <QImage>
#include <random>
#include <vector>

#include "image/PaletteSearch.h"
#include "image/Picture.h"

namespace {

constexpr PaletteColor BLACK{0, 0, 0, 0};
constexpr PaletteColor WHITE{255, 255, 255, 0};

PaletteColor gray(int v) {
    auto c = static_cast<std::uint8_t>(v);
    return {c, c, c, 0};
}

TEST(PictureTest, CreateRoundsTheDepthAndPadsRows) {
    struct Case {
        int asked, depth;
        std::uint32_t colors, rowBytes;
    };
    for (Case c : {Case{0, 1, 2, 4}, Case{2, 4, 16, 4}, Case{3, 4, 16, 4}, Case{5, 8, 256, 8},
                   Case{16, 24, 0, 16}, Case{32, 24, 0, 16}}) {
        Picture p;
        ASSERT_NE(p.create(5, 3, c.asked), nullptr);
        EXPECT_EQ(p.getBitsPerPixel(), c.depth) << c.asked;
        EXPECT_EQ(p.getHeader().biClrUsed, c.colors) << c.asked;
        EXPECT_EQ(p.getBits(), p.getDib() + 40 + 4 * c.colors);
        EXPECT_EQ(p.getRowBytes(), c.rowBytes) << c.asked;
        EXPECT_EQ(p.getHeader().biSizeImage, 3 * c.rowBytes) << c.asked;
        EXPECT_EQ(p.getHeader().biPlanes, 1);
    }
}

// Every depth packs its pixels where the bitmap layout puts them and reads them back.
TEST(PictureTest, PixelsArePackedByDepth) {
    Picture p1;
    p1.create(10, 2, 1);
    p1.setPixelIndex(0, 1, 1);
    p1.setPixelIndex(9, 1, 1);
    const std::uint8_t* row1 = p1.getBits() + p1.getRowBytes();
    EXPECT_EQ(row1[0] & 0x80, 0x80);
    EXPECT_EQ(row1[1] & 0x40, 0x40);
    p1.setPixelIndex(0, 1, 0);
    EXPECT_EQ(p1.getPixelIndex(0, 1), 0);
    EXPECT_EQ(p1.getPixelIndex(9, 1), 1);

    Picture p4;
    p4.create(3, 1, 4);
    p4.setPixelIndex(0, 0, 0xA);
    p4.setPixelIndex(1, 0, 0x5);
    p4.setPixelIndex(2, 0, 0xF);
    EXPECT_EQ(p4.getBits()[0], 0xA5);
    EXPECT_EQ(p4.getBits()[1] >> 4, 0xF);
    EXPECT_EQ(p4.getPixelIndex(1, 0), 0x5);

    Picture p24;
    p24.create(2, 2, 24);
    p24.setPixelColor(1, 1, {1, 2, 3, 99});
    const std::uint8_t* pixel = p24.getBits() + p24.getRowBytes() + 3;
    EXPECT_EQ(pixel[0], 1);
    EXPECT_EQ(pixel[2], 3);
    EXPECT_EQ(p24.getPixelColor(1, 1), (PaletteColor{1, 2, 3, 0}));
    EXPECT_EQ(p24.getPixelIndex(1, 1), 0);
}

TEST(PictureTest, OutsideReadsGiveTheTransparentEntryAndWritesAreIgnored) {
    Picture p;
    p.create(2, 2, 8);
    PaletteColor palette[256] = {};
    palette[7] = {10, 20, 30, 0};
    p.setPalette(palette, 256);
    p.setPixelIndex(0, 0, 7);
    p.setPixelIndex(-1, 0, 3);
    p.setPixelIndex(2, 0, 3);
    EXPECT_EQ(p.getPixelIndex(0, 0), 7);
    EXPECT_EQ(p.getPixelIndex(-1, 0), 0);
    EXPECT_EQ(p.getPixelColor(0, 2), BLACK);
    p.setTransparentIndex(7);
    EXPECT_EQ(p.getPixelIndex(5, 5), 7);
    EXPECT_EQ(p.getPixelColor(0, -1), palette[7]);
    EXPECT_EQ(p.getPaletteColor(256), BLACK);

    Picture empty;
    empty.setTransparentIndex(7);
    empty.setPixelIndex(0, 0, 1);
    EXPECT_EQ(empty.getPixelIndex(0, 0), 0);
    EXPECT_EQ(empty.getNearestIndex(WHITE), 0);
}

TEST(PictureTest, NearestIndexSearchesTheImportantEntriesAndKeepsTheLowerOnATie) {
    Picture p;
    p.create(1, 1, 8);
    PaletteColor palette[256] = {};
    palette[0] = WHITE;
    palette[3] = {0, 0, 200, 0};
    palette[4] = {0, 0, 200, 0};
    palette[5] = {0, 0, 100, 0};
    palette[6] = {0, 0, 140, 0};
    p.setPalette(palette, 256);
    EXPECT_EQ(p.getNearestIndex({0, 0, 200, 0}), 3);
    EXPECT_EQ(p.getNearestIndex({0, 0, 120, 0}), 5);  // 100 and 140 tie at 20
    p.setClrImportant(5);
    EXPECT_EQ(p.getNearestIndex({0, 0, 150, 0}), 3);
    EXPECT_EQ(p.getNearestIndex({1, 1, 1, 0}), 1);  // black first at index 1
}

// The fast search must answer exactly as the linear one, ties and duplicates included.
TEST(PictureTest, PaletteSearchAgreesWithTheLinearSearch) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> channel(0, 255);
    for (std::uint32_t important : {256u, 17u, 1u}) {
        Picture p;
        p.create(1, 1, 8);
        PaletteColor palette[256] = {};
        for (int i = 0; i < 200; ++i) {
            // Coarse values make ties and duplicates frequent.
            palette[i] = {static_cast<std::uint8_t>(channel(random) & 0xF0),
                          static_cast<std::uint8_t>(channel(random) & 0xE0),
                          static_cast<std::uint8_t>(channel(random) & 0xF0), 0};
        }
        p.setPalette(palette, 256);
        p.setClrImportant(important);
        PaletteSearch search(palette, important);
        for (int i = 0; i < 20000; ++i) {
            PaletteColor c{static_cast<std::uint8_t>(channel(random)),
                           static_cast<std::uint8_t>(channel(random)),
                           static_cast<std::uint8_t>(channel(random)), 0};
            ASSERT_EQ(search.nearest(c), p.getNearestIndex(c)) << i;
        }
    }
}

TEST(PictureTest, RenderedImageBecomesBottomUpRows) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(10, 20, 30));
    Picture p(image);
    ASSERT_FALSE(p.isEmpty());
    EXPECT_EQ(p.getBitsPerPixel(), 24);
    EXPECT_EQ(p.getPixelColor(0, 1), (PaletteColor{30, 20, 10, 0}));
    EXPECT_EQ(p.getPixelColor(0, 0), WHITE);

    Picture none{QImage()};
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.getLastError(), "GetDIBits failed");
}

// A gray picture in storage order, true-colour or on a palette that holds every gray.
void makeGray(Picture& p, int depth, int width, int height, const std::vector<int>& values) {
    p.create(width, height, depth);
    if (depth == 8) {
        PaletteColor ramp[256];
        for (int i = 0; i < 256; ++i) {
            ramp[i] = gray(i);
        }
        p.setPalette(ramp, 256);
    }
    for (int i = 0; i < width * height; ++i) {
        p.setPixelColor(i % width, i / width, gray(values[std::size_t(i)]));
    }
}

// A 2 x 2 gray picture against black and white, worked by hand: the first pixel's error of
// +100 pushes its right neighbour to white; that error of -113 goes down with 2 and 4
// sixteenths truncated toward zero (-14, -28); the last pixel ends at 128 and turns white.
// Floor division or the 3-5-1 weights leave it black. Then 200 becomes white and 7/16 of -55
// takes 10 below zero, which must clamp to black rather than wrap round to white. Both the
// true-colour and the palette path, to 8 and to 4 bits.
TEST(PictureTest, ErrorDiffusionUsesTheWeightsTruncationAndClamping) {
    PaletteColor palette[256] = {};
    palette[1] = WHITE;
    for (auto [source, target] : {std::pair{24, 8}, {24, 4}, {8, 4}, {8, 8}}) {
        SCOPED_TRACE(testing::Message() << source << " to " << target << " bits");
        Picture p;
        makeGray(p, source, 2, 2, {100, 99, 100, 102});
        ASSERT_TRUE(p.decreaseBpp(target, true, palette, 256));
        EXPECT_EQ(p.getBitsPerPixel(), target);
        EXPECT_EQ(p.getPixelIndex(0, 0), 0);
        EXPECT_EQ(p.getPixelIndex(1, 0), 1);
        EXPECT_EQ(p.getPixelIndex(0, 1), 0);
        EXPECT_EQ(p.getPixelIndex(1, 1), 1);

        Picture row;
        makeGray(row, source, 2, 1, {200, 10});
        ASSERT_TRUE(row.decreaseBpp(target, true, palette, 256));
        EXPECT_EQ(row.getPixelIndex(0, 0), 1);
        EXPECT_EQ(row.getPixelIndex(1, 0), 0);

        // Without diffusion each pixel maps on its own.
        Picture plain;
        makeGray(plain, source, 2, 1, {120, 120});
        ASSERT_TRUE(plain.decreaseBpp(target, false, palette, 256));
        EXPECT_EQ(plain.getPixelIndex(1, 0), 0);
    }
    Picture p;
    makeGray(p, 24, 1, 1, {0});
    p.decreaseBpp(8, true, palette, 256);
    EXPECT_EQ(p.getHeader().biClrImportant, 256u);
}

TEST(PictureTest, PaletteColorsDiffuseNothing) {
    const PaletteColor sea{180, 90, 20, 0};
    PaletteColor palette[256] = {};
    palette[0] = {170, 90, 20, 0};
    palette[9] = sea;
    Picture p;
    p.create(7, 5, 24);
    for (int i = 0; i < 35; ++i) {
        p.setPixelColor(i % 7, i / 7, sea);
    }
    ASSERT_TRUE(p.decreaseBpp(8, true, palette, 256));
    for (int i = 0; i < 35; ++i) {
        EXPECT_EQ(p.getPixelIndex(i % 7, i / 7), 9) << i;
    }
}

TEST(PictureTest, DecreaseBppRefusesOrSkipsWhereNothingIsToDo) {
    PaletteColor palette[256] = {};
    Picture empty;
    EXPECT_FALSE(empty.decreaseBpp(8, true, palette, 256));

    Picture small;
    small.create(1, 1, 4);
    EXPECT_FALSE(small.decreaseBpp(8, true, palette, 256));
    EXPECT_FALSE(small.decreaseBpp(2, true, palette, 256));  // no such depth to reduce to

    Picture done;
    done.create(1, 1, 8);
    done.setPalette(palette, 256);
    done.setPixelIndex(0, 0, 42);
    done.setClrImportant(255);
    EXPECT_TRUE(done.decreaseBpp(8, true, palette, 256));
    EXPECT_EQ(done.getPixelIndex(0, 0), 42);
    done.setClrImportant(0);
    EXPECT_TRUE(done.decreaseBpp(8, true, palette, 256));
    EXPECT_EQ(done.getPixelIndex(0, 0), 0);

    // To one bit: only two entries of the palette are taken.
    Picture mono;
    mono.create(2, 1, 24);
    mono.setPixelColor(0, 0, WHITE);
    mono.setPixelColor(1, 0, BLACK);
    palette[1] = {250, 250, 250, 0};
    palette[2] = WHITE;
    ASSERT_TRUE(mono.decreaseBpp(1, false, palette, 0));
    EXPECT_EQ(mono.getHeader().biClrUsed, 2u);
    EXPECT_EQ(mono.getPixelIndex(0, 0), 1);
}

}  // namespace
