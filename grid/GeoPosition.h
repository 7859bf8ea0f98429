#pragma once

#include <cstdint>

#include "toolkit/ZString.h"

// A place in whole degrees and minutes; the flags carry the hemisphere. The two reserved numbers
// are carried through unchanged and never interpreted.
struct GeoPosition {
    std::int32_t latDegrees = 0;
    std::int32_t latReserved = 0;
    std::int32_t latMinutes = 0;
    std::int32_t south = 0;
    std::int32_t lonDegrees = 0;
    std::int32_t lonReserved = 0;
    std::int32_t lonMinutes = 0;
    std::int32_t west = 0;
    // The last text made by toText.
    ZString text;

    void clear() { *this = GeoPosition(); }
};
