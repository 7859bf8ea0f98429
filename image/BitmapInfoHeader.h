#pragma once

#include <cstdint>

// The 40-byte header in front of a packed device-independent bitmap, laid out as it is stored.
struct BitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    // Positive: rows stored bottom-up.
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    // 0: every entry of the colour table counts.
    std::uint32_t biClrImportant = 0;
};

static_assert(sizeof(BitmapInfoHeader) == 40, "the header is copied into the block byte for byte");
