#include "image/OctreeReduction.h"

#include <array>

#include "image/ColorQuantizer.h"
#include "image/Picture.h"

bool reduceToOctreePalette(Picture& picture) {
    ColorQuantizer quantizer(256, 8);
    if (!quantizer.processImage(picture.getDib())) {
        return false;
    }
    // Entries the tree does not fill stay black; the reduction searches all 256.
    std::array<PaletteColor, 256> palette{};
    quantizer.setColorTable(palette.data());
    return picture.decreaseBpp(8, true, palette.data(), 256);
}
