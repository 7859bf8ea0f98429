#pragma once

#include <cstdint>

#include "toolkit/ZString.h"

// Which dataset a grid comes from: type 1 is a 5-degree grid read from the file (month blocks
// of text or netCDF), type 2 a 1-degree grid without a file. Everyone who reads the dataset on
// their own (the export, the animation) opens a source of their own from it.
struct GridSourceDescription {
    std::uint32_t type = 0;
    ZString fileName;

    bool operator==(const GridSourceDescription&) const = default;
};
