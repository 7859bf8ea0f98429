#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "grid/GridAxes.h"

// Averages a fine latitude-longitude grid onto the 5-degree cells by area: each fine cell counts
// with the area it shares with a 5-degree cell (between two latitudes and two longitudes on the
// sphere, so sin(north) - sin(south) times the degrees of longitude). The overlaps are worked out
// once; a month is added value by value in any order and finished into a grid's sums.
class CellAggregation {
  public:
    // The fine grid's rows and columns in the file's order.
    CellAggregation(std::span<const CellSpan> rows, std::span<const CellSpan> columns);

    // No value added yet.
    void begin();
    // A value of fine cell (row, column); cells without data are simply not added.
    void add(std::uint32_t row, std::uint32_t column, float value) {
        double* sums = &rowSums_[std::size_t{row} * COLUMNS];
        double* weights = &rowWeights_[std::size_t{row} * COLUMNS];
        const std::uint32_t end = columnFirst_[column + 1];
        for (std::uint32_t k = columnFirst_[column]; k < end; ++k) {
            const Overlap& overlap = columnOverlaps_[k];
            sums[overlap.cell] += value * overlap.weight;
            weights[overlap.cell] += overlap.weight;
        }
    }
    // The values of a whole fine row, one per column; NaN for a cell without data.
    void addRow(std::uint32_t row, const float* values) {
        double* sums = &rowSums_[std::size_t{row} * COLUMNS];
        double* weights = &rowWeights_[std::size_t{row} * COLUMNS];
        const std::uint32_t columns = static_cast<std::uint32_t>(columnFirst_.size() - 1);
        for (std::uint32_t column = 0; column < columns; ++column) {
            const float value = values[column];
            if (value != value) {
                continue;
            }
            const std::uint32_t end = columnFirst_[column + 1];
            for (std::uint32_t k = columnFirst_[column]; k < end; ++k) {
                const Overlap& overlap = columnOverlaps_[k];
                sums[overlap.cell] += value * overlap.weight;
                weights[overlap.cell] += overlap.weight;
            }
        }
    }
    // Adds the mean of each 5-degree cell whose area is covered by data at least to minShare
    // (0..1) to sums (grid order, row 0 north) and counts it. The mean is taken as a float, as
    // any read value is: a cell made of fine cells of one value gets exactly that value.
    void finish(double minShare, double* sums, std::uint32_t* counts);

    // Whether the fine grid reaches every part of the Earth.
    bool coversGlobe() const { return coversGlobe_; }

    static constexpr std::uint32_t ROWS = 36;
    static constexpr std::uint32_t COLUMNS = 72;

  private:
    struct Overlap {
        std::uint32_t cell;  // 5-degree row or column
        double weight;
    };

    // Per fine row, which 5-degree rows it overlaps with sin(north) - sin(south); per fine
    // column, which 5-degree columns with how many degrees.
    std::vector<std::uint32_t> rowFirst_;
    std::vector<Overlap> rowOverlaps_;
    std::vector<std::uint32_t> columnFirst_;
    std::vector<Overlap> columnOverlaps_;
    // Area of one 5-degree cell of each row in the weights' unit.
    std::vector<double> cellAreas_;
    // Per fine row and 5-degree column: the sums of value x longitude weight and of the weights.
    std::vector<double> rowSums_;
    std::vector<double> rowWeights_;
    std::vector<double> cellSums_;
    std::vector<double> cellWeights_;
    bool coversGlobe_ = false;
};
