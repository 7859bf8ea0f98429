#pragma once

#include <cstdint>

// The diverging blue-white-red colour of a yearly value around the baseline (0 = white);
// limit = the value of full saturation (e.g. the largest |value| of the series, at least 0.1).
std::uint32_t stripeColour(double value, double limit);  // 0xRRGGBB; a gap gets a mid grey
