#pragma once

#include <span>
#include <vector>

// Where one cell of a grid axis lies, in degrees; low < high.
struct CellSpan {
    double low = 0.0;
    double high = 0.0;
};

// The cells of a netCDF grid's axes, in the file's order: from the bounds when the file has them
// (pairs in either order), else halfway between the centres, the outer edges mirrored. Centres
// may run either way and be spaced unevenly (Gaussian latitudes). Latitudes are clamped to
// -90..90; longitudes keep the file's convention. Empty when the centres do not run steadily one
// way, or the cells overlap (longitudes that wrap more than once round the Earth).
std::vector<CellSpan> latitudeCells(std::span<const double> centres,
                                    std::span<const double> bounds);
std::vector<CellSpan> longitudeCells(std::span<const double> centres,
                                     std::span<const double> bounds);
