#include "image/SharedPalette.h"

#include <algorithm>
#include <limits>

#include "image/Picture.h"

std::uint64_t SharedPalette::sampleCapacity(std::uint64_t pixelsPerPicture) {
    const std::uint64_t pixelLimit = std::numeric_limits<std::uint32_t>::max() / 255;
    return std::max<std::uint64_t>(1, pixelLimit / std::max<std::uint64_t>(1, pixelsPerPicture));
}

bool SharedPalette::addSample(const Picture& picture) {
    return quantizer_.processImage(picture.getDib());
}

bool SharedPalette::reduce(Picture& picture) const {
    return picture.decreaseBpp(8, true, colors_, 256);
}
