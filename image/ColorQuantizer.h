#pragma once

#include <cstdint>
#include <memory>

#include "image/OctreeNode.h"
#include "image/PaletteColor.h"

// Octree colour quantization (Gervautz and Purgathofer): every pixel descends the tree by its
// colour bits; whenever more leaves exist than allowed, the most recently created inner node
// of the deepest level is merged into one leaf. The leaves are the palette.
class ColorQuantizer {
  public:
    ColorQuantizer(std::uint32_t maxColors, std::uint32_t colorBits);
    virtual ~ColorQuantizer();
    ColorQuantizer(const ColorQuantizer&) = delete;
    ColorQuantizer& operator=(const ColorQuantizer&) = delete;

    // Adds every pixel of a packed device-independent bitmap (header, colour table, rows);
    // false for a depth other than 1, 4, 8 or 24.
    bool processImage(const std::uint8_t* dib);
    // One entry per leaf, in the tree's depth-first order; the table has room for the
    // requested number of colours, and entries past the leaves are left alone.
    void setColorTable(PaletteColor* table);

    std::uint32_t getLeafCount() const { return leafCount; }

  private:
    void addColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    // Merges the newest inner node of the deepest level into a leaf; false when none is left.
    bool reduceTree();
    static void writeLeaves(const OctreeNode& node, PaletteColor* table, std::uint32_t& next);

    std::unique_ptr<OctreeNode> tree;
    std::uint32_t leafCount = 0;
    OctreeNode* reducibleNodes[9] = {};
    std::uint32_t maxColors;
    std::uint32_t outputMaxColors;
    std::uint32_t colorBits;
    // The leaf the last colour ended in: the same colour ends there again until the tree is
    // reduced, which is what large areas of one colour repeat.
    OctreeNode* lastLeaf = nullptr;
    std::uint32_t lastColor = 0;
};
