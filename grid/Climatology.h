#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "grid/YearSpan.h"
#include "toolkit/ZString.h"

class GridSource;
class MonthGrid;
class ZProgress;

// The mean of every cell in every calendar month over a span of years: what anomalies are
// re-referenced against. A cell-month with values in fewer than half of the span's years has
// no mean, so that a few early measurements never stand for a whole baseline.
class Climatology {
  public:
    Climatology() = default;
    Climatology(std::uint32_t cellSize, YearSpan span);

    // Reads every month of the span from the source, one progress step per month. Raises
    // ZException "Abgebrochen." when asked to stop.
    static Climatology compute(GridSource& source, YearSpan span, ZProgress& progress);

    // Adds a month's values: a value of the span's month (1..12) for the cell in grid order
    // (row 0 north, column 0 at 180W). Years outside the span are for the caller to skip.
    void add(std::uint32_t month, std::size_t cell, double value) {
        const std::size_t i = index(month, cell);
        sums_[i] += value;
        ++counts_[i];
    }
    // Adds every cell with data of a grid read for a single month.
    void add(std::uint32_t month, const MonthGrid& grid);
    // Turns the sums into means; a cell-month with too few years gets none.
    void finish();

    std::uint32_t cellSize() const { return cellSize_; }
    std::size_t cells() const { return cells_; }
    const YearSpan& span() const { return span_; }
    bool hasMean(std::uint32_t month, std::size_t cell) const {
        return counts_[index(month, cell)] != 0;
    }
    // The mean of a cell-month; meaningful only where hasMean.
    double mean(std::uint32_t month, std::size_t cell) const { return sums_[index(month, cell)]; }
    // How many cell-months have a mean.
    std::size_t meansKnown() const;
    // Raises ZException naming the file when no cell-month has a mean.
    void requireMeans(const ZString& fileName) const;

    // Every cell-month's mean, month by month in grid order, NaN where there is none: what a
    // kept copy holds. A climatology of such means (empty when their number does not fit).
    std::vector<double> means() const;
    static std::optional<Climatology> ofMeans(std::uint32_t cellSize, YearSpan span,
                                              const std::vector<double>& means);

  private:
    std::size_t index(std::uint32_t month, std::size_t cell) const {
        return (month - 1) * cells_ + cell;
    }

    std::uint32_t cellSize_ = 0;
    std::size_t cells_ = 0;
    YearSpan span_;
    std::vector<double> sums_;
    std::vector<std::uint32_t> counts_;
};
