#pragma once

#include <memory>

#include "grid/Climatology.h"
#include "grid/GridSource.h"
#include "grid/MonthGrid.h"
#include "toolkit/ZString.h"

// Another source's months re-referenced to a climatology: each cell's value minus the cell's
// mean of that calendar month, and the figures of what is left. A cell-month without a mean
// has no value. A year average is the mean of the year's re-referenced months, cell by cell.
class AnomalySource : public GridSource {
  public:
    AnomalySource(std::unique_ptr<GridSource> inner, std::shared_ptr<const Climatology> baseline);

    std::uint32_t cellSize() const override { return inner_->cellSize(); }
    void read(const MonthSelection& selection, MonthGrid& grid) override;
    const ZString& layoutProblem() const override { return inner_->layoutProblem(); }
    const ZString& layoutNote() const override { return inner_->layoutNote(); }
    std::uint32_t notNumbers() const override { return notNumbers_; }
    std::uint64_t endOfData() const override { return inner_->endOfData(); }
    const ZString& baselineName() const override { return baselineName_; }

    const Climatology& baseline() const { return *baseline_; }

  private:
    // Adds the re-referenced cells of month (1..12) read into month_ to the grid's sums.
    void addMonth(std::uint32_t month, MonthGrid& grid);

    std::unique_ptr<GridSource> inner_;
    std::shared_ptr<const Climatology> baseline_;
    ZString baselineName_;
    MonthGrid month_;
    std::uint32_t notNumbers_ = 0;
};
