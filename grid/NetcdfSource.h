#pragma once

#include "grid/GridSource.h"
#include "grid/NetcdfReader.h"

// A 5-degree grid in a netCDF file: each month is one time step of the reader.
class NetcdfSource : public GridSource {
  public:
    // Raises ZException naming the file when its layout is not a monthly 5-degree grid.
    explicit NetcdfSource(const ZString& name);

    std::uint32_t cellSize() const override { return 5; }
    void read(const MonthSelection& selection, MonthGrid& grid) override;
    const ZString& layoutProblem() const override { return layoutProblem_; }
    const ZString& layoutNote() const override { return layoutNote_; }
    std::uint32_t notNumbers() const override { return 0; }
    std::uint64_t endOfData() const override;

  private:
    // Adds the months of the selection that the file holds; false when a single month is not
    // there or a month cannot be read (with layoutProblem set).
    bool addMonths(const MonthSelection& selection, MonthGrid& grid);

    NetcdfReader reader_;
    ZString layoutProblem_;
    // Always empty: a netCDF file's layout is checked on opening.
    ZString layoutNote_;
};
