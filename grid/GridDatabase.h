#pragma once

#include <cstdint>
#include <memory>

#include "grid/GridSource.h"
#include "grid/GridSourceDescription.h"
#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"

// The open dataset: its source, the selected month and the grid read for it. Every change of
// the selection reads the grid anew.
class GridDatabase {
  public:
    GridDatabase() = default;
    GridDatabase(const GridDatabase&) = delete;
    GridDatabase& operator=(const GridDatabase&) = delete;

    // Opens the source (see GridSource::open for what raises) with a grid without data; the
    // selection is kept and nothing is read.
    void open(const GridSourceDescription& description);
    // The same, with the progress of a baseline computed on opening (see GridSource::open).
    void open(const GridSourceDescription& description, ZProgress& progress);
    void close();
    void select(const MonthSelection& selection);
    void nextYear();
    void previousYear();
    // False in year-average mode, where the month keys change nothing.
    bool nextMonth();
    bool previousMonth();

    const GridSourceDescription& description() const { return description_; }
    const ZString& fileName() const { return description_.fileName; }
    const MonthSelection& selection() const { return selection_; }
    const MonthGrid& grid() const { return grid_; }
    // The source's findings (see GridSource); empty and 0 when nothing is open.
    const ZString& layoutProblem() const;
    const ZString& layoutNote() const;
    // The span the shown values are re-referenced to; empty for the file's own anomalies.
    const ZString& baselineName() const;
    std::uint32_t notNumbers() const { return source_ ? source_->notNumbers() : 0; }
    std::uint64_t endOfData() const;

  private:
    void read();

    GridSourceDescription description_;
    std::unique_ptr<GridSource> source_;
    MonthSelection selection_;
    MonthGrid grid_;
};
