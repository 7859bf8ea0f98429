#pragma once

#include <cstdint>

#include "grid/GeoPosition.h"
#include "toolkit/ZString.h"

// The id of the view position: drawn blue, the centre of the globe, its value in the caption.
inline constexpr std::uint32_t VIEW_POSITION_ID = 1;

// A named place on the map and the pixel its marker was last drawn at.
struct Position {
    ZString name;
    std::int32_t x = 0;
    std::int32_t y = 0;
    GeoPosition coordinates;
};
