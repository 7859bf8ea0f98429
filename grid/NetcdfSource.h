#pragma once

#include <memory>

#include "grid/CellAggregation.h"
#include "grid/GridSource.h"
#include "grid/NetcdfReader.h"

// A monthly latitude-longitude grid in a netCDF file, averaged onto the 5-degree cells: each
// month is one time step of the reader, aggregated by area.
class NetcdfSource : public GridSource {
  public:
    // Raises ZException naming the file when its layout is not such a grid. A 5-degree cell
    // gets a value when data cover at least minCoverage percent of its area.
    NetcdfSource(const ZString& name, std::uint32_t minCoverage);

    std::uint32_t cellSize() const override { return 5; }
    void read(const MonthSelection& selection, MonthGrid& grid) override;
    const ZString& layoutProblem() const override { return layoutProblem_; }
    // Says from which cells the file was averaged onto the 5-degree cells, and when its grid
    // leaves part of the Earth out; empty for a grid of the 5-degree cells themselves.
    const ZString& layoutNote() const override { return layoutNote_; }
    std::uint32_t notNumbers() const override { return 0; }
    std::uint64_t endOfData() const override;

    // Whether the file holds temperatures rather than anomalies (read in degrees Celsius).
    bool absolute() const { return reader_.absolute(); }
    // The first month and the month after the last one, as year x 12 + month - 1.
    std::int64_t firstMonth() const { return reader_.firstMonth(); }
    std::int64_t endMonth() const { return reader_.endMonth(); }

  private:
    // Adds the months of the selection that the file holds; false when a single month is not
    // there or a month cannot be read (with layoutProblem set).
    bool addMonths(const MonthSelection& selection, MonthGrid& grid);

    NetcdfReader reader_;
    CellAggregation cells_;
    double minShare_;
    ZString layoutProblem_;
    ZString layoutNote_;
};
