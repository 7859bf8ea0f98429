#pragma once

#include <cstdint>

// Colours as the drawing surfaces take them: 0x00BBGGRR (0x0000FF is red).
using ZColour = std::uint32_t;

constexpr ZColour zRgb(int red, int green, int blue) {
    return static_cast<ZColour>(red & 0xFF) | (static_cast<ZColour>(green & 0xFF) << 8) |
           (static_cast<ZColour>(blue & 0xFF) << 16);
}
constexpr int zRed(ZColour c) { return static_cast<int>(c & 0xFF); }
constexpr int zGreen(ZColour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int zBlue(ZColour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Colours of the anti-aliased calls: 0xAARRGGBB.
using ZArgb = std::uint32_t;
