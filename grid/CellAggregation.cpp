#include "grid/CellAggregation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double CELL_DEGREES = 5.0;
// Shares of a cell this small are rounding, not data.
constexpr double SHARE_TOLERANCE = 1e-9;

double sinDegrees(double degrees) {
    return std::sin(degrees * (std::numbers::pi / 180.0));
}

}  // namespace

CellAggregation::CellAggregation(std::span<const CellSpan> rows, std::span<const CellSpan> columns)
    : rowSums_(rows.size() * COLUMNS),
      rowWeights_(rows.size() * COLUMNS),
      cellSums_(ROWS * COLUMNS),
      cellWeights_(ROWS * COLUMNS) {
    double south = 90.0;
    double north = -90.0;
    rowFirst_.push_back(0);
    for (const CellSpan& row : rows) {
        south = std::min(south, row.low);
        north = std::max(north, row.high);
        // 5-degree row r runs from 90 - 5r down to 90 - 5(r + 1).
        const auto first = static_cast<std::int64_t>(std::floor((90.0 - row.high) / CELL_DEGREES));
        const auto last = static_cast<std::int64_t>(std::ceil((90.0 - row.low) / CELL_DEGREES));
        for (std::int64_t r = std::max<std::int64_t>(first, 0);
             r < std::min<std::int64_t>(last, ROWS); ++r) {
            const double top = std::min(row.high, 90.0 - CELL_DEGREES * static_cast<double>(r));
            const double bottom =
                std::max(row.low, 90.0 - CELL_DEGREES * static_cast<double>(r + 1));
            if (top > bottom) {
                rowOverlaps_.push_back(
                    {static_cast<std::uint32_t>(r), sinDegrees(top) - sinDegrees(bottom)});
            }
        }
        rowFirst_.push_back(static_cast<std::uint32_t>(rowOverlaps_.size()));
    }
    double width = 0.0;
    columnFirst_.push_back(0);
    for (const CellSpan& column : columns) {
        width += column.high - column.low;
        // Counted eastwards from 180W; a cell past 180E goes on at column 0 again.
        const double west = std::fmod(std::fmod(column.low + 180.0, 360.0) + 360.0, 360.0);
        const double east = west + (column.high - column.low);
        const auto last = static_cast<std::int64_t>(std::ceil(east / CELL_DEGREES));
        for (auto c = static_cast<std::int64_t>(std::floor(west / CELL_DEGREES)); c < last; ++c) {
            const double overlap = std::min(east, CELL_DEGREES * static_cast<double>(c + 1)) -
                                   std::max(west, CELL_DEGREES * static_cast<double>(c));
            if (overlap > 0.0) {
                columnOverlaps_.push_back({static_cast<std::uint32_t>(c % COLUMNS), overlap});
            }
        }
        columnFirst_.push_back(static_cast<std::uint32_t>(columnOverlaps_.size()));
    }
    for (std::uint32_t r = 0; r < ROWS; ++r) {
        const double top = 90.0 - CELL_DEGREES * r;
        cellAreas_.push_back((sinDegrees(top) - sinDegrees(top - CELL_DEGREES)) * CELL_DEGREES);
    }
    coversGlobe_ = south <= -90.0 && north >= 90.0 && width >= 360.0 - 1e-6;
}

void CellAggregation::begin() {
    std::fill(rowSums_.begin(), rowSums_.end(), 0.0);
    std::fill(rowWeights_.begin(), rowWeights_.end(), 0.0);
}

void CellAggregation::finish(double minShare, double* sums, std::uint32_t* counts) {
    std::fill(cellSums_.begin(), cellSums_.end(), 0.0);
    std::fill(cellWeights_.begin(), cellWeights_.end(), 0.0);
    const std::size_t fineRows = rowFirst_.size() - 1;
    for (std::size_t j = 0; j < fineRows; ++j) {
        const double* rowSums = &rowSums_[j * COLUMNS];
        const double* rowWeights = &rowWeights_[j * COLUMNS];
        for (std::uint32_t k = rowFirst_[j]; k < rowFirst_[j + 1]; ++k) {
            const Overlap& overlap = rowOverlaps_[k];
            double* cellSums = &cellSums_[std::size_t{overlap.cell} * COLUMNS];
            double* cellWeights = &cellWeights_[std::size_t{overlap.cell} * COLUMNS];
            for (std::uint32_t c = 0; c < COLUMNS; ++c) {
                cellSums[c] += overlap.weight * rowSums[c];
                cellWeights[c] += overlap.weight * rowWeights[c];
            }
        }
    }
    for (std::uint32_t r = 0; r < ROWS; ++r) {
        const double needed = minShare * cellAreas_[r] * (1.0 - SHARE_TOLERANCE);
        for (std::uint32_t c = 0; c < COLUMNS; ++c) {
            const std::size_t i = std::size_t{r} * COLUMNS + c;
            const double weight = cellWeights_[i];
            if (weight > cellAreas_[r] * SHARE_TOLERANCE && weight >= needed) {
                sums[i] += static_cast<float>(cellSums_[i] / weight);
                ++counts[i];
            }
        }
    }
}
