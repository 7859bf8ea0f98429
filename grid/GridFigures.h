#pragma once

#include <cstdint>

// The global figures of a month's grid.
struct GridFigures {
    // Area-weighted mean over the grid; cells without data count with the covered sum itself.
    double globalMean = 0.0;
    // Share of the Earth's surface under cells with data, in percent.
    double coverage = 0.0;
    std::uint32_t cellsWithData = 0;
};
