#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Where the bands of a netCDF grid's coordinates lie on the 5-degree grid: for each latitude
// centre the row (row 0 the band 90N-85N), for each longitude centre the column (column 0 the
// band 180W-175W). Either order of the latitudes and any start of the longitudes (-177.5 or
// 2.5, say) fit, as long as each centre lies in the middle of one band and every band is there
// once. Empty when they do not.
std::vector<std::uint32_t> rowsOfLatitudes(std::span<const double> centres);
std::vector<std::uint32_t> columnsOfLongitudes(std::span<const double> centres);
