#pragma once

#include <cstdint>
#include <vector>

#include "grid/GeoPosition.h"
#include "grid/GridFigures.h"

// Value of a cell without data and of a look-up outside the grid.
inline constexpr double MISSING_VALUE = -99.9;

// One month (or one year's average) of a grid: cell values, month counts, area weights per row
// and the global figures. Sources fill it in two steps: sums and counts of the months read, then
// finishSums turns them into means and figures. Everyone else reads it.
class MonthGrid {
  public:
    // A grid without cells: no values, and every look-up gives no data.
    MonthGrid() = default;
    // A grid of cellSize degrees without data.
    explicit MonthGrid(std::uint32_t cellSize);

    std::uint32_t cellSize() const { return cellSize_; }
    std::uint32_t columns() const { return columns_; }
    std::uint32_t rows() const { return rows_; }
    bool hasCells() const { return !values_.empty(); }
    double cellValue(std::uint32_t column, std::uint32_t row) const {
        return values_[std::size_t{row} * columns_ + column];
    }
    std::uint32_t cellCount(std::uint32_t column, std::uint32_t row) const {
        return counts_[std::size_t{row} * columns_ + column];
    }
    double zoneWeight(std::uint32_t row) const { return zoneWeights_[row]; }
    // The value of the cell that holds a place; MISSING_VALUE outside the grid.
    double valueAt(const GeoPosition& position) const;
    const GridFigures& figures() const { return figures_; }

    // No data in any cell, every figure 0.
    void clear();
    // Zero sums and counts for a read; sums() and counts() are in grid order (row 0 north,
    // column 0 at 180W).
    void beginSums();
    double* sums() { return values_.data(); }
    std::uint32_t* counts() { return counts_.data(); }
    // Turns the sums into means (of several months when average) and computes the figures.
    void finishSums(bool average);

  private:
    void computeZoneWeights();

    std::uint32_t cellSize_ = 0;
    std::uint32_t columns_ = 0;
    std::uint32_t rows_ = 0;
    std::vector<double> zoneWeights_;
    std::vector<double> values_;
    std::vector<std::uint32_t> counts_;
    GridFigures figures_;
    // Per row, how many of its cells the last read left without data.
    std::vector<std::uint32_t> missingInRow_;
};
