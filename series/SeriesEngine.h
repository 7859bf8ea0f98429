#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "grid/GridSourceDescription.h"
#include "grid/MonthGrid.h"
#include "grid/YearSpan.h"
#include "series/Series.h"
#include "series/SeriesRequest.h"

class GridSource;
class PositionList;
class ZProgress;

// Series of regions over a whole dataset. The file is read once into memory (every month, one
// float per cell); every request after that is arithmetic over those values, fast enough to
// follow each change of region, span or step at once. One thread at a time: compute keeps the
// baseline it last used.
class SeriesEngine {
  public:
    // Opens its own source of the dataset (GridSource::open; raises ZException as that does),
    // without the description's baseline: the request says which one the series take.
    explicit SeriesEngine(const GridSourceDescription& dataset);
    ~SeriesEngine();
    SeriesEngine(const SeriesEngine&) = delete;
    SeriesEngine& operator=(const SeriesEngine&) = delete;

    // Reads every month of the file once into memory (5° cells); progress and stop through
    // ZProgress. Later computations need no reading. Raises ZException when stopped or unreadable.
    void prepare(ZProgress& progress);
    bool prepared() const { return prepared_; }
    // The years the file holds data for (before prepare: the years its months reach).
    std::uint32_t firstYear() const { return firstYear_; }
    std::uint32_t lastYear() const { return lastYear_; }
    // Computes every region of the request (preparing first when that has not been done) over
    // the request's years that hold data; a position's place comes from the list by its id. A
    // baseline span is computed once and kept (progress). Raises ZException (German) for a bad
    // request, a span wholly outside the data, a baseline without data, a region without cells
    // or a position not in the list.
    std::vector<Series> compute(const SeriesRequest& request, const PositionList& positions,
                                ZProgress& progress);

  private:
    struct Cells;
    // The sum of the values of some cells and how many of them have data.
    struct Sums {
        double sum = 0;
        std::uint32_t withData = 0;
    };
    template <bool REFERENCED>
    static Sums sumRun(const float* month, const double* means, std::uint32_t length);
    // The sums of every row of every month, with the baseline in use.
    void sumRows();
    Cells cellsOf(const SeriesRegion& region) const;
    void useBaseline(const std::optional<YearSpan>& baseline, ZProgress& progress);
    // The region's value of month k (months since January of the first year), NaN for a gap.
    double monthValue(const Cells& cells, std::uint32_t k, double threshold) const;
    std::vector<SeriesPoint> points(const Cells& cells, const SeriesRequest& request) const;

    GridSourceDescription dataset_;
    std::unique_ptr<GridSource> source_;
    bool prepared_ = false;
    std::uint32_t firstYear_ = 0;
    std::uint32_t lastYear_ = 0;
    // Months held, from January of the dataset's first year.
    std::uint32_t months_ = 0;
    // One grid of the source's cells without data: its rows' area weights, and its look-up of
    // the cell that holds a place.
    MonthGrid layout_;
    std::size_t cellCount_ = 0;
    // Month after month, the cells in grid order (row 0 north, column 0 at 180° W); NaN: none.
    std::vector<float> values_;
    // The baseline in use and its mean per calendar month and cell (empty: as in the file).
    std::optional<YearSpan> baseline_;
    std::vector<double> baselineMeans_;
    // Month after month, the sums of each row: a region of whole rows (the globe, hemispheres,
    // bands) adds up a row in one step instead of cell by cell.
    std::vector<Sums> rowSums_;
};
