#include "grid/MonthGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// Pi at the precision the program has always used: the weights, and so every global value,
// depend on it.
constexpr double PI = 3.14159265;
constexpr double EARTH_RADIUS_KM = 6371.0;

}  // namespace

MonthGrid::MonthGrid(std::uint32_t cellSize)
    : cellSize_(cellSize),
      columns_(360 / cellSize),
      rows_(180 / cellSize),
      zoneWeights_(rows_),
      values_(std::size_t{rows_} * columns_, MISSING_VALUE),
      counts_(std::size_t{rows_} * columns_, 0u) {
    computeZoneWeights();
}

void MonthGrid::computeZoneWeights() {
    // Area of the row's latitude zone shared among its cells, as a share of the whole sphere;
    // the edges step down by d from the pole so that every row sees the same rounding.
    const double d = cellSize_ * (PI / 180.0);
    const double sphere = EARTH_RADIUS_KM * EARTH_RADIUS_KM * (4.0 * PI);
    double a = PI / 2.0;
    double b = PI / 2.0 - d;
    for (std::uint32_t r = 0; r < rows_; ++r) {
        zoneWeights_[r] = std::fabs(std::sin(b) - std::sin(a)) * (1.0 / (360 / cellSize_)) *
                          (EARTH_RADIUS_KM * EARTH_RADIUS_KM) * (2.0 * PI) * (1.0 / sphere);
        a -= d;
        b -= d;
    }
}

void MonthGrid::clear() {
    std::fill(values_.begin(), values_.end(), MISSING_VALUE);
    std::fill(counts_.begin(), counts_.end(), 0u);
    figures_ = GridFigures();
}

void MonthGrid::beginSums() {
    std::fill(counts_.begin(), counts_.end(), 0u);
    std::fill(values_.begin(), values_.end(), 0.0);
    figures_.cellsWithData = 0;
}

void MonthGrid::finishSums(bool average) {
    // Sums run cell by cell in grid order, in locals so that they stay in registers. Cells
    // without data add 0.0, which leaves a sum exactly as it was and spares a branch as
    // unpredictable as the gaps in the data.
    double sum = 0.0;
    double covered = 0.0;
    std::uint32_t withData = 0;
    double* values = values_.data();
    const std::uint32_t* counts = counts_.data();
    // As many rows as the grid has; allocated once, as the first read needs it.
    missingInRow_.resize(rows_);
    for (std::uint32_t r = 0; r < rows_; ++r) {
        const double weight = zoneWeights_[r];
        const std::uint32_t withDataBefore = withData;
        for (std::uint32_t c = 0; c < columns_; ++c) {
            const std::size_t i = std::size_t{r} * columns_ + c;
            const bool data = counts[i] != 0;
            // One month holds at most one value per cell: its sum is the mean, and the division
            // (exact by 1, but slow) is left out.
            const double mean =
                average ? values[i] / static_cast<double>(data ? counts[i] : 1) : values[i];
            values[i] = data ? mean : MISSING_VALUE;
            sum += data ? mean * weight : 0.0;
            covered += data ? weight : 0.0;
            withData += data;
        }
        missingInRow_[r] = columns_ - (withData - withDataBefore);
    }
    figures_.coverage = covered * 100.0;
    // Cells without data are filled with the covered sum itself, in grid order. All cells of a
    // row add the same amount, so only how many lack data matters, not where they are.
    const double coveredSum = sum;
    for (std::uint32_t r = 0; r < rows_; ++r) {
        const double fill = coveredSum * zoneWeights_[r];
        for (std::uint32_t k = 0; k < missingInRow_[r]; ++k) {
            sum += fill;
        }
    }
    figures_.globalMean = sum;
    figures_.cellsWithData = withData;
}

double MonthGrid::valueAt(const GeoPosition& position) const {
    if (values_.empty()) {
        return MISSING_VALUE;
    }
    // Unsigned on purpose: a band left of or above the grid wraps to a huge index.
    const auto lat = static_cast<std::uint32_t>(position.latDegrees);
    const auto lon = static_cast<std::uint32_t>(position.lonDegrees);
    const std::uint32_t s = cellSize_;
    const std::uint32_t row =
        position.south ? (lat - lat % s + 90) / s : (lat % s - lat + 90) / s - 1;
    const std::uint32_t column =
        position.west ? (lon % s - lon + 180) / s - 1 : (lon - lon % s + 180) / s;
    if (row >= rows_ || column >= columns_) {
        return MISSING_VALUE;
    }
    return values_[std::size_t{row} * columns_ + column];
}
