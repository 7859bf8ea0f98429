#pragma once

#include <cstdint>
#include <memory>

// One node of the colour octree: a leaf sums the pixels that ended in it; an inner node has
// up to eight children, one per combination of the red, green and blue bits of its level.
struct OctreeNode {
    bool isLeaf = false;
    std::uint32_t pixelCount = 0;
    std::uint32_t redSum = 0;
    std::uint32_t greenSum = 0;
    std::uint32_t blueSum = 0;
    std::uint32_t alphaSum = 0;
    std::unique_ptr<OctreeNode> children[8];
    // The next inner node of the same level, more recently created nodes first.
    OctreeNode* nextReducible = nullptr;
};
