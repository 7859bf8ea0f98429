#include "grid/MonthGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "tests/support/GoldenTable.h"

namespace {

// A month of the 5-degree grid from the value of every cell (column, row), nothing for none.
MonthGrid monthOf(const std::function<std::optional<double>(std::uint32_t, std::uint32_t)>& cell,
                  std::uint32_t cellSize = 5) {
    MonthGrid grid(cellSize);
    grid.beginSums();
    for (std::uint32_t r = 0; r < grid.rows(); ++r) {
        for (std::uint32_t c = 0; c < grid.columns(); ++c) {
            if (std::optional<double> value = cell(c, r)) {
                grid.sums()[r * grid.columns() + c] = *value;
                grid.counts()[r * grid.columns() + c] = 1;
            }
        }
    }
    grid.finishSums(false);
    return grid;
}

TEST(MonthGrid, ZoneWeightsShareTheSphereAmongTheCells) {
    MonthGrid grid(5);
    ASSERT_EQ(grid.rows() * 1000 + grid.columns(), 36072u);
    EXPECT_EQ(grid.zoneWeight(0), 2.6425708722216383e-05);
    EXPECT_EQ(grid.zoneWeight(35), 2.6425708722216383e-05);
    // The edges step down from the pole, so the two equator rows differ in the last bit.
    EXPECT_EQ(grid.zoneWeight(17), 0.0006052482128355634);
    EXPECT_DOUBLE_EQ(grid.zoneWeight(18), 0.0006052482128355634);
    double total = 0.0;
    for (std::uint32_t r = 0; r < grid.rows(); ++r) {
        total += grid.zoneWeight(r) * grid.columns();
    }
    EXPECT_NEAR(total, 1.0, 1e-15);
}

TEST(MonthGrid, ValueAtTakesTheBandAwayFromEquatorAndZeroMeridian) {
    MonthGrid grid = monthOf([](std::uint32_t c, std::uint32_t r) { return r + c / 100.0; });
    for (const auto& row : goldenRows("grid/tests/golden/cells-under-places.txt")) {
        GeoPosition position;
        position.latDegrees = integer(row[0]);
        position.south = integer(row[1]);
        position.lonDegrees = integer(row[2]);
        position.west = integer(row[3]);
        position.latMinutes = position.lonMinutes = 59;
        double expected = row.size() < 6 ? MISSING_VALUE : number(row[4]) + number(row[5]) / 100;
        EXPECT_EQ(grid.valueAt(position), expected) << row[0] << " " << row[1] << " " << row[2];
    }
    EXPECT_EQ(MonthGrid().valueAt(GeoPosition()), MISSING_VALUE);
}

TEST(MonthGrid, GlobalValueFillsUncoveredCellsWithTheCoveredSum) {
    const double w = 0.0006052482128355634;
    MonthGrid one = monthOf([](std::uint32_t c, std::uint32_t r) {
        return r == 17 && c == 40 ? std::optional(1.0) : std::nullopt;
    });
    EXPECT_EQ(one.figures().cellsWithData, 1u);
    EXPECT_NEAR(one.figures().coverage, w * 100, 1e-15);
    EXPECT_NEAR(one.figures().globalMean, w * (2 - w), 1e-15);
    // Every one of the finer grid's 180 rows counts its cells without data.
    MonthGrid fine = monthOf(
        [](std::uint32_t c, std::uint32_t) { return c % 2 ? std::nullopt : std::optional(0.5); },
        1);
    EXPECT_EQ(fine.figures().cellsWithData, 180u * 180u);
    EXPECT_NEAR(fine.figures().coverage, 50.0, 1e-12);
    EXPECT_NEAR(fine.figures().globalMean, 0.25 * 1.5, 1e-12);
}

}  // namespace
