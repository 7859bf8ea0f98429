#include "grid/GridDatabase.h"

#include <gtest/gtest.h>

#include "tests/grid/DatasetFiles.h"
#include "toolkit/ZException.h"

namespace {

// Every cell of the file tells its own place: row + column / 100.
class GridGeometry : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = directory.file("data/cru/hadcrut3v.dat");
        writeFile(name, makeBlock(HADCRUT3_LAYOUT, 0, [](int r, int c) { return r + c / 100.0; }));
        grid.open(1, name.c_str());
        grid.select(1850, 1, false);
    }

    TemporaryDirectory directory;
    GridDatabase grid;
};

TEST_F(GridGeometry, ZoneWeightsShareTheSphereAmongTheCells) {
    ASSERT_EQ(grid.rows, 36u);
    ASSERT_EQ(grid.columns, 72u);
    EXPECT_EQ(grid.zoneWeight(0), 2.6425708722216383e-05);
    EXPECT_EQ(grid.zoneWeight(35), 2.6425708722216383e-05);
    // The edges step down from the pole, so the two equator rows differ in the last bit.
    EXPECT_EQ(grid.zoneWeight(17), 0.0006052482128355634);
    EXPECT_DOUBLE_EQ(grid.zoneWeight(18), 0.0006052482128355634);
    double total = 0.0;
    for (std::uint32_t r = 0; r < grid.rows; ++r) {
        total += grid.zoneWeight(r) * grid.columns;
    }
    EXPECT_NEAR(total, 1.0, 1e-15);
}

TEST_F(GridGeometry, ValueAtTakesTheBandAwayFromEquatorAndZeroMeridian) {
    struct Case {
        int lat, south, lon, west, row, column;  // row -1: outside the grid
    };
    for (Case c : {Case{0, 0, 0, 0, 17, 36},
                   {0, 1, 0, 1, 18, 35},
                   {4, 0, 4, 0, 17, 36},
                   {5, 0, 5, 0, 16, 37},
                   {5, 1, 5, 1, 19, 34},
                   {89, 0, 179, 1, 0, 0},
                   {85, 1, 175, 0, 35, 71},
                   {90, 0, 0, 0, -1, 0},
                   {90, 1, 0, 0, -1, 0},
                   {0, 0, 180, 0, -1, 0},
                   {0, 0, 180, 1, -1, 0},
                   {1000000, 1, 5, 0, -1, 0}}) {
        GeoPosition position;
        position.latDegrees = c.lat;
        position.south = c.south;
        position.lonDegrees = c.lon;
        position.west = c.west;
        position.latMinutes = position.lonMinutes = 59;
        double expected = c.row < 0 ? MISSING_VALUE : static_cast<float>(c.row + c.column / 100.0);
        EXPECT_EQ(grid.valueAt(position), expected) << c.lat << " " << c.south << " " << c.lon;
    }
    EXPECT_EQ(GridDatabase().valueAt(GeoPosition()), MISSING_VALUE);
}

TEST(GridLifecycle, OpenCloseAndTheirFailures) {
    GridDatabase grid;
    grid.open(2, "no/such/file.dat");
    grid.select(1990, 6, true);
    EXPECT_EQ(grid.rows * 1000 + grid.columns, 180360u);
    EXPECT_EQ(grid.cellValue(359, 179), MISSING_VALUE);

    try {
        grid.open(3, "other");
        ADD_FAILURE() << "type 3 accepted";
    } catch (const ZException& e) {
        EXPECT_EQ(e.getMessage(), "Unkown sorvo database dbType.");
    }
    EXPECT_EQ(grid.values, nullptr);
    EXPECT_EQ(grid.fileName, "no/such/file.dat");

    EXPECT_THROW(grid.open(1, "data/cru/missing.dat"), ZFileNotFoundException);
    EXPECT_EQ(grid.fileName, "data/cru/missing.dat");
    EXPECT_EQ(grid.rows * grid.columns, 0u);
    // Every later read and look-up stays safe.
    for (bool average : {false, true}) {
        grid.select(1900, 3, average);
        grid.nextYear();
        EXPECT_EQ(grid.cellsWithData, 0u);
        EXPECT_EQ(grid.globalMean, 0.0);
        EXPECT_EQ(grid.valueAt(GeoPosition()), MISSING_VALUE);
    }
    grid.close();
    EXPECT_EQ(grid.dbType + grid.cellSize + grid.rows + grid.columns, 0u);
    EXPECT_EQ(grid.zoneWeights, nullptr);
}

}  // namespace
