#pragma once

#include <cstdint>

#include "toolkit/ZString.h"

// Style bits with their classic values, so that a style reads as the number it always was.
enum ZWindowStyleBits : std::uint32_t {
    Z_WS_CHILD = 0x40000000,
    Z_WS_VISIBLE = 0x10000000,
    Z_WS_CAPTION = 0x00C00000,
    Z_WS_SYSMENU = 0x00080000,
    Z_WS_THICKFRAME = 0x00040000,
    Z_WS_MINIMIZEBOX = 0x00020000,
    Z_WS_MAXIMIZEBOX = 0x00010000,
};

enum ZWindowExStyleBits : std::uint32_t {
    // A sunken two-pixel edge around the client area.
    Z_WS_EX_CLIENTEDGE = 0x00000200,
};

// What a window is created with: class name, style and extended style.
struct ZWindowStyle {
    ZString className;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};
