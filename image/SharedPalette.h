#pragma once

#include <cstdint>

#include "image/ColorQuantizer.h"
#include "image/PaletteColor.h"

class Picture;

// One octree palette for a series of pictures, built from a sample of them, so that what stays
// the same from picture to picture keeps its indices (no flicker, and an animation need only
// write what changed).
class SharedPalette {
  public:
    SharedPalette() : quantizer_(256, 8) {}

    // How many pictures of that many pixels the tree can take: a leaf's 32-bit channel sums
    // would run over beyond 16843009 pixels of white. At least one.
    static std::uint64_t sampleCapacity(std::uint64_t pixelsPerPicture);

    // Adds the pixels of a true-colour picture; false when the quantizer cannot read it.
    bool addSample(const Picture& picture);
    // Takes the palette from the samples; entries the tree does not fill stay black.
    void finish() { quantizer_.setColorTable(colors_); }
    // Maps the picture to the palette with error diffusion, as a single GIF is reduced.
    bool reduce(Picture& picture) const;

    const PaletteColor* colors() const { return colors_; }

  private:
    ColorQuantizer quantizer_;
    PaletteColor colors_[256] = {};
};
