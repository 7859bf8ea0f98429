#pragma once

#include <cstdint>

#include "grid/GeoPosition.h"
#include "toolkit/ZString.h"

// The id of the view position: first in the list, drawn blue, centre of the globe, its value in
// the caption. Id 0 is never given out; the hit test answers 0 for "no marker".
inline constexpr std::uint32_t VIEW_POSITION_ID = 1;

// A named place, and the pixel where its marker was last placed in the map picture.
struct Position {
    ZString name;
    std::int32_t x = 0;
    std::int32_t y = 0;
    GeoPosition coordinates;
};
