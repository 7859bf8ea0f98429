#include "series/StripeColours.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// From the coldest to the warmest end, white in the middle; the ends are dark so that the
// strongest years stand out from their neighbours.
constexpr std::uint32_t ANCHORS[] = {0x0b2a5c, 0x2a63a8, 0x7fb0d8, 0xffffff,
                                     0xf2a080, 0xc83232, 0x6a0a14};
constexpr int LAST = static_cast<int>(std::size(ANCHORS)) - 1;
constexpr std::uint32_t GAP_GREY = 0x808080;

std::uint32_t channel(std::uint32_t colour, int shift) {
    return (colour >> shift) & 0xff;
}

}  // namespace

std::uint32_t stripeColour(double value, double limit) {
    if (std::isnan(value) || !(limit > 0)) {
        return GAP_GREY;
    }
    // -1 .. 1 over the anchors, 0 on the white one.
    const double t = std::clamp(value / limit, -1.0, 1.0);
    const double position = (t + 1) / 2 * LAST;
    const int below = std::min(static_cast<int>(position), LAST - 1);
    const double share = position - below;
    std::uint32_t colour = 0;
    for (int shift : {16, 8, 0}) {
        const double a = channel(ANCHORS[below], shift), b = channel(ANCHORS[below + 1], shift);
        colour |= static_cast<std::uint32_t>(std::lround(a + (b - a) * share)) << shift;
    }
    return colour;
}
