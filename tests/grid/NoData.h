#pragma once

#include <gtest/gtest.h>

#include "grid/GridDatabase.h"

// A month without data: no cell counted, no value, no global figure.
inline void expectNoData(const GridDatabase& grid) {
    EXPECT_EQ(grid.cellsWithData, 0u);
    EXPECT_EQ(grid.globalMean, 0.0);
    EXPECT_EQ(grid.coverage, 0.0);
    EXPECT_EQ(grid.cellValue(3, 3), MISSING_VALUE);
    EXPECT_EQ(grid.cellCount(71, 35), 0u);
}
