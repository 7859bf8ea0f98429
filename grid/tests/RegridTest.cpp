// Finer netCDF grids averaged onto the 5-degree cells: against the 5-degree file they were made
// from, against an overlap computation of its own, and against cdo where it is installed.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "grid/GridDatabase.h"
#include "grid/tests/DatasetFiles.h"
#include "grid/tests/NetcdfFiles.h"

namespace {

// Gaps that move from month to month, three decimals as in the text files.
std::optional<double> field(int k, int r, int c) {
    const int code = (k * 131 + r * 37 + c * 11) % 1000;
    return code % 7 == 0 ? std::nullopt : std::optional((code - 500) / 173.0);
}

// Smooth, without gaps, so that every cell is covered.
double smooth(double latitude, double longitude) {
    return 3.0 * std::sin(latitude * 0.05) + std::cos(longitude * 0.03) * 2.0 + latitude / 40.0;
}

class Regridding : public ::testing::Test {
  protected:
    const MonthGrid& open(const std::string& name, const NetcdfGrid& grid, const NetcdfCells& cells,
                          MonthSelection month = {1850, 1, false}) {
        database.close();
        writeNetcdf(directory.file(name), grid, cells);
        database.open({1, directory.file(name).c_str()});
        database.select(month);
        return database.grid();
    }

    TemporaryDirectory directory;
    GridDatabase database;
};

// Each 5-degree cell split into 1- or 0.25-degree cells of its value gives back the 5-degree
// file's cells and figures to the last bit.
TEST_F(Regridding, SplitCellsAggregateBackExactly) {
    const std::string text = directory.file("five.dat");
    writeFile(text, makeBlocks(HADCRUT4_LAYOUT, 12, [](int k) -> CellFunction {
                  return [k](int r, int c) { return field(k, r, c); };
              }));
    GridDatabase five;
    five.open({1, text.c_str()});
    struct Case {
        int split;
        int months;
        MonthSelection month;
    };
    for (const Case& c : {Case{5, 12, {1850, 12, true}}, Case{5, 12, {1850, 4, false}},
                          Case{20, 1, {1850, 1, false}}}) {
        SCOPED_TRACE(c.split);
        const NetcdfGrid fine{.rows = 36u * c.split,
                              .columns = 72u * c.split,
                              .eastFromGreenwich = c.split == 20,
                              .months = c.months};
        const int split = c.split;
        const MonthGrid& read = open(
            "fine.nc", fine,
            [split](int k, int r, int col) -> std::optional<double> {
                const std::optional<double> value = field(k, r / split, col / split);
                return value ? std::optional(asWritten(*value)) : std::nullopt;
            },
            c.month);
        five.select(c.month);
        const MonthGrid& expected = five.grid();
        EXPECT_EQ(read.figures().globalMean, expected.figures().globalMean);
        EXPECT_EQ(read.figures().coverage, expected.figures().coverage);
        EXPECT_EQ(read.figures().cellsWithData, expected.figures().cellsWithData);
        for (std::uint32_t cell = 0; cell < 36 * 72; ++cell) {
            ASSERT_EQ(read.cellValue(cell % 72, cell / 72),
                      expected.cellValue(cell % 72, cell / 72))
                << cell;
        }
        EXPECT_EQ(database.layoutNote(),
                  ZString(split == 5 ? "Auf 5°-Zellen gemittelt aus 1°."
                                     : "Auf 5°-Zellen gemittelt aus 0,25°."));
    }
}

// 2.5-degree cells: a 5-degree cell with one of its four quarters missing is 3/4 covered and
// keeps a value, one with three missing does not (at the default half).
TEST_F(Regridding, ACellNeedsHalfItsAreaCovered) {
    const MonthGrid& read = open("quarters.nc", {.rows = 72, .columns = 144},
                                 [](int, int r, int c) -> std::optional<double> {
                                     const bool quarter = r % 2 == 0 && c % 2 == 0;
                                     const bool threeQuarters = !(r % 2 == 1 && c % 2 == 1);
                                     if ((r / 2 == 10 && c / 2 == 20 && quarter) ||
                                         (r / 2 == 11 && c / 2 == 20 && threeQuarters)) {
                                         return std::nullopt;
                                     }
                                     return 1.0 + (r % 2) + 2.0 * (c % 2);
                                 });
    // 2, 3 and 4 on nearly equal areas.
    EXPECT_NEAR(read.cellValue(20, 10), 3.0, 0.01);
    EXPECT_EQ(read.cellValue(20, 11), MISSING_VALUE);
    EXPECT_EQ(read.figures().cellsWithData, 36u * 72u - 1);
}

// A 2-degree grid written from 0 to 360 with bounds, south to north, with gaps, against the overlap
// areas worked out here cell by cell.
TEST_F(Regridding, TwoDegreeCellsAgreeWithTheOverlapAreas) {
    auto fine = [](int r, int c) -> std::optional<double> {
        if ((r * 7 + c * 3) % 5 == 0) {
            return std::nullopt;
        }
        return smooth(89.0 - 2.0 * r, -179.0 + 2.0 * c);
    };
    const MonthGrid& read =
        open("two.nc",
             {.rows = 90, .columns = 180, .eastFromGreenwich = true, .months = 1, .bounds = true},
             [&](int, int r, int c) { return fine(r, c); });
    const double degree = std::numbers::pi / 180.0;
    std::uint32_t withData = 0;
    for (int row = 0; row < 36; ++row) {
        const double north = 90.0 - 5.0 * row, south = north - 5.0;
        for (int column = 0; column < 72; ++column) {
            const double west = -180.0 + 5.0 * column, east = west + 5.0;
            double sum = 0.0, weight = 0.0;
            for (int r = row * 5 / 2; r <= (row + 1) * 5 / 2 && r < 90; ++r) {
                const double top = std::min(north, 90.0 - 2.0 * r);
                const double bottom = std::max(south, 88.0 - 2.0 * r);
                for (int c = column * 5 / 2; c <= (column + 1) * 5 / 2 && c < 180; ++c) {
                    // Fine columns count from 180W here, whatever the file's convention.
                    const double a = -180.0 + 2.0 * c, b = a + 2.0;
                    const double width = std::max(0.0, std::min(east, b) - std::max(west, a));
                    const std::optional<double> value = fine(r, c);
                    if (top > bottom && width > 0.0 && value) {
                        const double w =
                            (std::sin(top * degree) - std::sin(bottom * degree)) * width;
                        sum += static_cast<float>(*value) * w;
                        weight += w;
                    }
                }
            }
            const double area = (std::sin(north * degree) - std::sin(south * degree)) * 5.0;
            SCOPED_TRACE(testing::Message() << row << " " << column);
            if (weight >= 0.5 * area) {
                ++withData;
                EXPECT_NEAR(read.cellValue(column, row), sum / weight, 1e-6);
            } else {
                EXPECT_EQ(read.cellValue(column, row), MISSING_VALUE);
            }
        }
    }
    EXPECT_EQ(read.figures().cellsWithData, withData);
    EXPECT_EQ(database.layoutNote(), ZString("Auf 5°-Zellen gemittelt aus 2°."));
}

// cdo remaps the same 2-degree field onto the 5-degree cells. Cells with great-circle edges
// would part the two; cdo 2.1.1 gives the very floats read here (largest difference 0, also on
// a checkerboard field), so the bound is a float's rounding, not a difference of shapes.
TEST_F(Regridding, AgreesWithCdoWithinTheDifferenceOfTheCellShapes) {
    if (std::system("cdo -V > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "cdo is not installed";
    }
    const NetcdfGrid two{.rows = 90, .columns = 180, .months = 1};
    const NetcdfCells cells = [](int, int r, int c) -> std::optional<double> {
        return smooth(89.0 - 2.0 * r, -179.0 + 2.0 * c);
    };
    const MonthGrid& read = open("two.nc", two, cells);
    std::vector<double> ours;
    for (std::uint32_t cell = 0; cell < 36 * 72; ++cell) {
        ours.push_back(read.cellValue(cell % 72, cell / 72));
    }
    directory.write("five.txt",
                    "gridtype = lonlat\nxsize = 72\nysize = 36\nxfirst = -177.5\nxinc = 5\n"
                    "yfirst = -87.5\nyinc = 5\n");
    const std::string command = "cdo -s -f nc remapcon," + directory.file("five.txt") + " " +
                                directory.file("two.nc") + " " + directory.file("cdo.nc");
    ASSERT_EQ(std::system(command.c_str()), 0);
    database.close();
    database.open({1, directory.file("cdo.nc").c_str()});
    database.select({1850, 1, false});
    double largest = 0.0;
    for (std::uint32_t cell = 0; cell < 36 * 72; ++cell) {
        largest = std::max(largest,
                           std::fabs(database.grid().cellValue(cell % 72, cell / 72) - ours[cell]));
    }
    char text[32];
    RecordProperty("largest_difference",
                   std::string(text, std::to_chars(text, text + 32, largest).ptr));
    EXPECT_LE(largest, 1e-5);
    EXPECT_EQ(database.grid().figures().cellsWithData, 36u * 72u);
}

}  // namespace
