#pragma once

#include <gtest/gtest.h>

#include "grid/GridDatabase.h"

// A month without data: no cell counted, no value, no global figure.
inline void expectNoData(const GridDatabase& database) {
    const MonthGrid& grid = database.grid();
    EXPECT_EQ(grid.figures().cellsWithData, 0u);
    EXPECT_EQ(grid.figures().globalMean, 0.0);
    EXPECT_EQ(grid.figures().coverage, 0.0);
    EXPECT_EQ(grid.cellValue(3, 3), MISSING_VALUE);
    EXPECT_EQ(grid.cellCount(71, 35), 0u);
}
