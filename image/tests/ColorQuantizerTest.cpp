#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "image/ColorQuantizer.h"
#include "image/Picture.h"

namespace {

struct Rgb {
    int red, green, blue;
};

// A one-row 24-bit picture of the colours in this order.
void fill(Picture& picture, const std::vector<Rgb>& colors) {
    picture.create(static_cast<std::int32_t>(colors.size()), 1, 24);
    for (std::size_t x = 0; x < colors.size(); ++x) {
        picture.setPixelColor(
            static_cast<std::int32_t>(x), 0,
            {static_cast<std::uint8_t>(colors[x].blue), static_cast<std::uint8_t>(colors[x].green),
             static_cast<std::uint8_t>(colors[x].red), 0});
    }
}

std::array<PaletteColor, 256> paletteOf(const std::vector<Rgb>& colors, std::uint32_t& leaves) {
    Picture picture;
    fill(picture, colors);
    ColorQuantizer quantizer(256, 8);
    EXPECT_TRUE(quantizer.processImage(picture.getDib()));
    std::array<PaletteColor, 256> palette;
    palette.fill({1, 2, 3, 4});  // to see which entries were written
    quantizer.setColorTable(palette.data());
    leaves = quantizer.getLeafCount();
    return palette;
}

bool contains(const std::array<PaletteColor, 256>& palette, int red, int green, int blue) {
    return std::find(palette.begin(), palette.end(),
                     PaletteColor{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
                                  static_cast<std::uint8_t>(red), 0}) != palette.end();
}

// Depth-first by child index: blue (path 1...), green (2...), red (4...) after black.
TEST(ColorQuantizerTest, PaletteFollowsTheOctreePath) {
    std::uint32_t leaves = 0;
    auto palette = paletteOf({{255, 0, 0}, {0, 255, 0}, {0, 0, 0}, {0, 0, 255}, {0, 0, 1}}, leaves);
    EXPECT_EQ(leaves, 5u);
    // Black and (0, 0, 1) differ in the last bit only: sibling leaves, in child order.
    EXPECT_EQ(palette[0], (PaletteColor{0, 0, 0, 0}));
    EXPECT_EQ(palette[1], (PaletteColor{1, 0, 0, 0}));
    EXPECT_EQ(palette[2], (PaletteColor{255, 0, 0, 0}));
    EXPECT_EQ(palette[3], (PaletteColor{0, 255, 0, 0}));
    EXPECT_EQ(palette[4], (PaletteColor{0, 0, 255, 0}));
}

// 256 reds fill the tree: 128 level-7 nodes with two leaves each, (254, 255) created last.
// One more colour under a new level-7 node makes 257 leaves: the newest level-7 node (the
// newcomer's own, one child) merges without gain, then the (254, 255) node merges into their
// pixel-weighted average, truncated.
TEST(ColorQuantizerTest, TooManyLeavesMergeTheNewestDeepestNodes) {
    std::vector<Rgb> colors;
    for (int red = 0; red < 256; ++red) {
        colors.push_back({red, 0, 0});
    }
    colors.push_back({255, 0, 0});
    colors.push_back({255, 0, 0});
    colors.push_back({0, 0, 2});
    std::uint32_t leaves = 0;
    auto palette = paletteOf(colors, leaves);
    EXPECT_EQ(leaves, 256u);
    EXPECT_TRUE(contains(palette, 0, 0, 2));
    // (254 + 3 * 255) / 4 truncates to 254; the oldest pair (0, 1) is still apart.
    EXPECT_TRUE(contains(palette, 254, 0, 0));
    EXPECT_FALSE(contains(palette, 255, 0, 0));
    EXPECT_TRUE(contains(palette, 253, 0, 0));
    EXPECT_TRUE(contains(palette, 1, 0, 0));
    EXPECT_NE(palette[255], (PaletteColor{1, 2, 3, 4}));
}

// Fewer than 16 colours asked: the tree keeps 16 while pixels come in, and the table gets no
// more entries than were asked for.
TEST(ColorQuantizerTest, SmallRequestsAreMergedDownForTheTable) {
    std::vector<Rgb> colors;
    for (int i = 0; i < 40; ++i) {
        colors.push_back({i * 6, 255 - i * 6, (i * 37) % 256});
    }
    Picture picture;
    fill(picture, colors);
    ColorQuantizer quantizer(4, 8);
    ASSERT_TRUE(quantizer.processImage(picture.getDib()));
    EXPECT_GT(quantizer.getLeafCount(), 4u);
    EXPECT_LE(quantizer.getLeafCount(), 16u);
    std::array<PaletteColor, 16> table;
    table.fill({1, 2, 3, 4});
    quantizer.setColorTable(table.data());
    EXPECT_LE(quantizer.getLeafCount(), 4u);
    EXPECT_EQ(table[4], (PaletteColor{1, 2, 3, 4}));
    EXPECT_NE(table[0], (PaletteColor{1, 2, 3, 4}));
}

TEST(ColorQuantizerTest, PalettePicturesAndUnknownDepths) {
    Picture indexed;
    indexed.create(9, 1, 4);
    PaletteColor table[16] = {};
    table[3] = {10, 20, 30, 40};
    indexed.setPalette(table, 16);
    for (int x = 0; x < 9; ++x) {
        indexed.setPixelIndex(x, 0, 3);
    }
    ColorQuantizer quantizer(256, 8);
    ASSERT_TRUE(quantizer.processImage(indexed.getDib()));
    PaletteColor out[256] = {};
    quantizer.setColorTable(out);
    EXPECT_EQ(quantizer.getLeafCount(), 1u);
    EXPECT_EQ(out[0], table[3]);  // reserved byte averaged too

    // A 16-bit block: rejected, the tree stays empty.
    Picture picture;
    picture.create(2, 2, 24);
    std::vector<std::uint8_t> block(picture.getDib(), picture.getDib() + 40 + 16);
    block[14] = 16;
    ColorQuantizer other(256, 8);
    EXPECT_FALSE(other.processImage(block.data()));
    EXPECT_EQ(other.getLeafCount(), 0u);
}

}  // namespace
