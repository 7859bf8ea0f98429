#pragma once

#include <functional>

#include "grid/GridDatabase.h"
#include "grid/tests/DatasetFiles.h"

// A 5-degree dataset file holding one month, January 1850, with the value of every cell
// (column, row) from the function (-99.9 for no data), opened and read.
class TestDataset {
  public:
    explicit TestDataset(const std::function<double(int column, int row)>& value);

    const MonthGrid& grid() const { return database_.grid(); }

  private:
    TemporaryDirectory directory_;
    GridDatabase database_;
};
