#include "image/ColorQuantizer.h"

#include <algorithm>
#include <cstring>

#include "image/BitmapInfoHeader.h"

ColorQuantizer::ColorQuantizer(std::uint32_t maxColors, std::uint32_t colorBits)
    : maxColors(std::max(maxColors, 16u)),
      outputMaxColors(maxColors),
      colorBits(std::min(colorBits, 8u)) {}

ColorQuantizer::~ColorQuantizer() = default;

bool ColorQuantizer::processImage(const std::uint8_t* dib) {
    if (!dib) {
        return false;
    }
    BitmapInfoHeader header;
    std::memcpy(&header, dib, sizeof header);
    const int depth = header.biBitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24) {
        return false;
    }
    const auto* table = reinterpret_cast<const PaletteColor*>(dib + sizeof header);
    const std::uint8_t* row = dib + sizeof header + 4 * std::size_t(header.biClrUsed);
    const std::size_t rowBytes = (std::size_t(depth) * header.biWidth + 31) / 32 * 4;
    // Rows in storage order, each left to right.
    for (std::int32_t y = 0; y < header.biHeight; ++y, row += rowBytes) {
        for (std::int32_t x = 0; x < header.biWidth; ++x) {
            if (depth == 24) {
                const std::uint8_t* p = row + 3 * std::size_t(x);
                std::uint32_t color =
                    (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
                if (lastLeaf && color == lastColor) {
                    // A run of one colour: no descent, and no reduction can be due.
                    lastLeaf->pixelCount += 1;
                    lastLeaf->redSum += p[2];
                    lastLeaf->greenSum += p[1];
                    lastLeaf->blueSum += p[0];
                    continue;
                }
                addColor(p[2], p[1], p[0], 0);
            } else {
                std::uint8_t index;
                if (depth == 8) {
                    index = row[x];
                } else if (depth == 4) {
                    index = (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
                } else {
                    index = (row[x >> 3] >> (7 - (x & 7))) & 1;
                }
                const PaletteColor& c = table[index];
                addColor(c.red, c.green, c.blue, c.reserved);
            }
            while (leafCount > maxColors) {
                reduceTree();
            }
        }
    }
    return true;
}

void ColorQuantizer::addColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                              std::uint8_t alpha) {
    std::uint32_t color = (std::uint32_t(alpha) << 24) | (std::uint32_t(red) << 16) |
                          (std::uint32_t(green) << 8) | blue;
    OctreeNode* node = nullptr;
    if (lastLeaf && color == lastColor) {
        node = lastLeaf;
    } else {
        std::unique_ptr<OctreeNode>* slot = &tree;
        for (std::uint32_t level = 0;; ++level) {
            if (!*slot) {
                *slot = std::make_unique<OctreeNode>();
                node = slot->get();
                if (level == colorBits) {
                    node->isLeaf = true;
                    ++leafCount;
                } else {
                    node->nextReducible = reducibleNodes[level];
                    reducibleNodes[level] = node;
                }
            }
            node = slot->get();
            if (node->isLeaf) {
                break;
            }
            int shift = 7 - static_cast<int>(level);
            int child =
                (((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1);
            slot = &node->children[child];
        }
        lastLeaf = node;
        lastColor = color;
    }
    node->pixelCount += 1;
    node->redSum += red;
    node->greenSum += green;
    node->blueSum += blue;
    node->alphaSum += alpha;
}

bool ColorQuantizer::reduceTree() {
    int level = static_cast<int>(colorBits) - 1;
    while (level > 0 && !reducibleNodes[level]) {
        --level;
    }
    OctreeNode* node = reducibleNodes[std::max(level, 0)];
    if (!node) {
        return false;
    }
    reducibleNodes[std::max(level, 0)] = node->nextReducible;
    std::uint32_t merged = 0;
    for (auto& child : node->children) {
        if (child) {
            node->pixelCount += child->pixelCount;
            node->redSum += child->redSum;
            node->greenSum += child->greenSum;
            node->blueSum += child->blueSum;
            node->alphaSum += child->alphaSum;
            child.reset();
            ++merged;
        }
    }
    node->isLeaf = true;
    leafCount = leafCount - merged + 1;
    lastLeaf = nullptr;
    return true;
}

void ColorQuantizer::setColorTable(PaletteColor* table) {
    // Fewer than 16 colours requested: the tree keeps up to 16, so merge on down to the request.
    while (leafCount > outputMaxColors && reduceTree()) {
    }
    std::uint32_t next = 0;
    if (tree) {
        writeLeaves(*tree, table, next);
    }
}

void ColorQuantizer::writeLeaves(const OctreeNode& node, PaletteColor* table, std::uint32_t& next) {
    if (node.isLeaf) {
        table[next++] = {static_cast<std::uint8_t>(node.blueSum / node.pixelCount),
                         static_cast<std::uint8_t>(node.greenSum / node.pixelCount),
                         static_cast<std::uint8_t>(node.redSum / node.pixelCount),
                         static_cast<std::uint8_t>(node.alphaSum / node.pixelCount)};
        return;
    }
    for (const auto& child : node.children) {
        if (child) {
            writeLeaves(*child, table, next);
        }
    }
}
