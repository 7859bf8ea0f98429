#include "grid/GridAxes.h"

#include <cmath>

namespace {

constexpr double CELL_DEGREES = 5.0;
// Coordinates written as floats are a little off the exact centre.
constexpr double TOLERANCE_DEGREES = 0.01;

// The band each offset (degrees from the middle of band 0, counted towards band n - 1) lies in
// the middle of, each band once; empty otherwise.
std::vector<std::uint32_t> bands(std::span<const double> centres, std::uint32_t n,
                                 double (*offset)(double)) {
    std::vector<std::uint32_t> result;
    if (centres.size() != n) {
        return result;
    }
    std::vector<bool> taken(n, false);
    for (double centre : centres) {
        const double position = offset(centre) / CELL_DEGREES;
        const double band = std::round(position);
        if (!(std::fabs(position - band) * CELL_DEGREES <= TOLERANCE_DEGREES) || band < 0 ||
            band >= n || taken[static_cast<std::size_t>(band)]) {
            return {};
        }
        taken[static_cast<std::size_t>(band)] = true;
        result.push_back(static_cast<std::uint32_t>(band));
    }
    return result;
}

}  // namespace

std::vector<std::uint32_t> rowsOfLatitudes(std::span<const double> centres) {
    return bands(centres, 36, [](double latitude) { return 87.5 - latitude; });
}

std::vector<std::uint32_t> columnsOfLongitudes(std::span<const double> centres) {
    return bands(centres, 72, [](double longitude) {
        // Eastwards from 180W, whether the file counts from -180 or from 0.
        return std::fmod(std::fmod(longitude + 180.0, 360.0) + 360.0, 360.0) - 2.5;
    });
}
