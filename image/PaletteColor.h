#pragma once

#include <cstdint>

// A colour as a colour-table entry holds it: blue, green, red, reserved.
struct PaletteColor {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    friend bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

static_assert(sizeof(PaletteColor) == 4, "colour tables are arrays of four-byte entries");
