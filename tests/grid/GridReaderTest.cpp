#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "grid/GridDatabase.h"
#include "grid/GridLineParser.h"
#include "grid/NotNumbersNote.h"
#include "tests/grid/DatasetFiles.h"
#include "tests/grid/NoData.h"

namespace {

// A value that names its month block, exact in a float.
double blockCode(int k) {
    return (k % 97) - 48 + 0.25;
}

CellFunction coded(int k) {
    return [k](int, int) { return blockCode(k); };
}

class GridReader : public ::testing::Test {
  protected:
    void openFile(const char* relative, const std::string& data) {
        std::string name = directory.file(relative);
        writeFile(name, data);
        grid.open(1, name.c_str());
    }

    TemporaryDirectory directory;
    GridDatabase grid;
};

TEST_F(GridReader, BlockSizeComesFromTheWholeName) {
    EXPECT_EQ(GridDatabase::blockSizeFor("./data/cru/hadcrut4.dat"), 20856u);
    EXPECT_EQ(GridDatabase::blockSizeFor("hadcrut4.dat"), 28613u);
    EXPECT_EQ(GridDatabase::blockSizeFor("C:\\data\\cru\\hadcrut4.dat"), 28613u);
    EXPECT_EQ(GridDatabase::blockSizeFor("data/cru/hadsst2.dat/data/cru/abstem3.dat"), 20780u);
}

TEST_F(GridReader, EveryLayoutIsReadBlockByBlockAlsoWhenStepping) {
    for (auto [name, layout] : {std::pair{"data/cru/hadcrut3v.dat", HADCRUT3_LAYOUT},
                                {"data/cru/hadcrut4.dat", HADCRUT4_LAYOUT},
                                {"data/cru/hadsst2.dat", HADSST2_LAYOUT},
                                {"data/cru/abstem3.dat", ABSTEM3_LAYOUT}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(layout.blockSize(), GridDatabase::blockSizeFor(name));
        openFile(name, makeBlocks(layout, 26, coded));
        grid.select(1850, 1, false);
        EXPECT_EQ(grid.cellsWithData, 36u * 72u);
        EXPECT_EQ(grid.cellValue(71, 35), blockCode(0));
        grid.select(1850, 12, false);
        grid.nextMonth();
        EXPECT_EQ(grid.cellValue(5, 5), blockCode(12));
        grid.nextYear();
        grid.previousMonth();
        EXPECT_EQ(grid.cellValue(5, 5), blockCode(23));
    }
}

TEST_F(GridReader, ABlockCountsOnlyWhenItEndsWithinTheFile) {
    std::string data = makeBlocks(HADCRUT3_LAYOUT, 3, coded);
    openFile("data/cru/hadcrut3v.dat", data);  // exactly three blocks
    grid.select(1850, 3, false);
    EXPECT_EQ(grid.cellValue(0, 0), blockCode(2));
    EXPECT_NEAR(grid.globalMean, blockCode(2), 1e-12);
    grid.select(1850, 4, false);
    expectNoData(grid);

    openFile("data/cru/hadcrut3v.dat", data.substr(0, data.size() - 1));
    grid.select(1850, 2, false);
    EXPECT_EQ(grid.cellValue(0, 0), blockCode(1));
    grid.select(1850, 3, false);
    expectNoData(grid);
    // December 1849 is not the block before the first, read at offset 0.
    grid.select(1849, 12, false);
    expectNoData(grid);
    grid.select(1849, 12, true);
    expectNoData(grid);
}

TEST_F(GridReader, YearAverageTakesTheMonthsUpToTheEndOfTheFile) {
    // 1850 complete, 1851 January to March, cell (0, 0) without data in February 1851.
    openFile("data/cru/hadcrut3v.dat", makeBlocks(HADCRUT3_LAYOUT, 15, [](int k) {
                 return [k](int r, int c) -> std::optional<double> {
                     if (k == 13 && r == 0 && c == 0) {
                         return std::nullopt;
                     }
                     return k * 0.5 + c * 0.125;
                 };
             }));
    grid.select(1851, 7, true);
    EXPECT_EQ(grid.cellValue(1, 0), (6.125 + 6.625 + 7.125) / 3);
    EXPECT_EQ(grid.cellCount(1, 0), 3u);
    EXPECT_EQ(grid.cellValue(0, 0), (6.0 + 7.0) / 2);
    EXPECT_EQ(grid.cellCount(0, 0), 2u);
    grid.select(1850, 1, true);
    EXPECT_EQ(grid.cellValue(5, 0), 33.0 / 12 + 0.625);
    grid.select(1852, 1, true);
    expectNoData(grid);
}

TEST_F(GridReader, GlobalValueFillsUncoveredCellsWithTheCoveredSum) {
    openFile("data/cru/hadcrut3v.dat",
             makeBlock(HADCRUT3_LAYOUT, 0, [](int r, int c) -> std::optional<double> {
                 return r == 17 && c == 40 ? std::optional(1.0) : std::nullopt;
             }));
    grid.select(1850, 1, false);
    const double w = 0.0006052482128355634;
    EXPECT_EQ(grid.cellsWithData, 1u);
    EXPECT_NEAR(grid.coverage, w * 100, 1e-15);
    EXPECT_NEAR(grid.globalMean, w * (2 - w), 1e-15);

    // Full coverage, -1.7 (as a float) in the row north of the equator and 0 elsewhere: that
    // row's 72 weights times the value.
    openFile("data/cru/hadcrut3v.dat",
             makeBlock(HADCRUT3_LAYOUT, 0, [](int r, int) { return r == 17 ? -1.7 : 0.0; }));
    grid.select(1850, 1, false);
    EXPECT_EQ(grid.cellValue(0, 17), static_cast<double>(-1.7f));
    EXPECT_NEAR(grid.coverage, 100.0, 1e-11);
    EXPECT_NEAR(grid.globalMean, -0.07408238332902779, 1e-15);
}

// Tokens that are no numbers are data of 0.0, and each read says how many it met.
TEST_F(GridReader, ReadsCountTheTokensThatAreNoNumbers) {
    std::string data = makeBlocks(HADCRUT3_LAYOUT, 13, coded);
    spoilCell(data, HADCRUT3_LAYOUT, 0, 0, 0);
    spoilCell(data, HADCRUT3_LAYOUT, 0, 35, 71);
    spoilCell(data, HADCRUT3_LAYOUT, 1, 17, 3);
    openFile("data/cru/hadcrut3v.dat", data);
    grid.select(1850, 1, false);
    EXPECT_EQ(grid.cellValue(71, 35), 0.0);
    EXPECT_EQ(grid.cellsWithData, 36u * 72u);
    EXPECT_EQ(notNumbersNote(grid).str(),
              "Januar 1850: 2 Werte sind keine Zahlen und gelten als 0,0.");
    grid.nextMonth();
    EXPECT_EQ(notNumbersNote(grid).str(), "Februar 1850: 1 Wert ist keine Zahl und gilt als 0,0.");
    grid.nextMonth();
    EXPECT_EQ(grid.notNumbers(), 0u);
    EXPECT_EQ(notNumbersNote(grid).str(), "");
    grid.select(1850, 1, true);
    EXPECT_EQ(notNumbersNote(grid).str(),
              "Jahr 1850: 3 Werte sind keine Zahlen und gelten als 0,0.");
    // A month past the end has none, also right after one that had some.
    grid.select(1850, 1, false);
    grid.select(1851, 2, false);
    EXPECT_EQ(grid.notNumbers(), 0u);
}

// The reader keeps its counts per row for as many rows as the grid has, also beyond the finest
// grid the program opens itself (180 rows): here 360 rows of two cells, one without data.
TEST_F(GridReader, EveryRowOfAFinerGridCounts) {
    constexpr std::uint32_t ROWS = 360;
    const std::string row = "0.5 -99.9";
    // Each line 79 bytes with its line end, the header making up the rest of the block.
    const std::size_t headerLength = GridDatabase::blockSizeFor("") - ROWS * 79 - 1;
    std::string block = "1850 1" + std::string(headerLength - 6, ' ') + "\n";
    for (std::uint32_t r = 0; r < ROWS; ++r) {
        block += row + std::string(78 - row.size(), ' ') + "\n";
    }
    openFile("data/cru/hadcrut3v.dat", block);
    grid.rows = ROWS;
    grid.columns = 2;
    grid.zoneWeights = std::make_unique<double[]>(ROWS);
    std::fill_n(grid.zoneWeights.get(), ROWS, 1.0 / (2 * ROWS));
    grid.values = std::make_unique<double[]>(2 * ROWS);
    grid.counts = std::make_unique<std::uint32_t[]>(2 * ROWS);
    grid.select(1850, 1, false);
    EXPECT_EQ(grid.cellsWithData, ROWS);
    EXPECT_NEAR(grid.coverage, 50.0, 1e-12);
    // The covered sum 0.25, and as much again for every cell without data times its weight.
    EXPECT_NEAR(grid.globalMean, 0.25 * 1.5, 1e-12);
}

TEST_F(GridReader, LongLinesAndMisfittingBlocksStayInsideTheGrid) {
    std::string longLine = "1850 1\n" + std::string(1 << 20, ' ') + "5.5 \t 1e39 x\n";
    for (const std::string& data : {makeBlocks(HADCRUT4_LAYOUT, 8, coded), longLine + longLine}) {
        openFile("data/cru/hadcrut3v.dat", data);
        for (bool average : {false, true}) {
            grid.select(1850, 2, average);
            std::uint32_t withData = 0;
            for (std::uint32_t i = 0; i < 36 * 72; ++i) {
                withData += grid.counts[i] != 0;
                double value = grid.values[i];
                ASSERT_TRUE(grid.counts[i] ? value > -99.0 && value < 99.0
                                           : value == MISSING_VALUE);
            }
            EXPECT_EQ(withData, grid.cellsWithData);
        }
    }
}

// The first n cells of one line parsed into a row between guard cells that no line may touch.
std::vector<double> parsed(std::string_view line, int n) {
    std::vector<double> sums(74, 0.0);
    std::vector<std::uint32_t> counts(74, 0);
    parseGridLine(line, &sums[1], &counts[1], 72);
    EXPECT_EQ(sums[0] + sums[73] + counts[0] + counts[73], 0.0);
    std::vector<double> cells;
    for (int c = 1; c <= n; ++c) {
        cells.push_back(counts[c] ? sums[c] : MISSING_VALUE);
    }
    return cells;
}

using Cells = std::vector<double>;
constexpr double NONE = MISSING_VALUE;

// No number reads as 0.0, which is data, and is counted; a number with more behind it is one.
TEST(GridLineParser, OnlyValuesInsideTheOpenIntervalAreData) {
    EXPECT_EQ(parsed("-99.0 99.0 -98.99 98.99 -1.000e+30 1e39 nan -inf +1.5 abc -3,7", 12),
              (Cells{NONE, NONE, static_cast<double>(-98.99f), static_cast<double>(98.99f), NONE,
                     NONE, NONE, NONE, 1.5, 0.0, -3.0, NONE}));
    std::vector<double> sums(72);
    std::vector<std::uint32_t> counts(72);
    EXPECT_EQ(parseGridLine("abc 1.5x - +.e5 nan 1,5 n/a ", sums.data(), counts.data(), 72), 4u);
    EXPECT_EQ(parseGridLine("x 1 x x", sums.data(), counts.data(), 3), 2u);
}

// "1.0\t2.0" is one value, and a number behind a tab and a space is met again as the next token;
// short lines leave cells empty, surplus values are dropped, a zero byte ends the line.
TEST(GridLineParser, OnlySpacesSeparateAndLinesEndAtTheirTextOrTheRow) {
    EXPECT_EQ(parsed("   1.0\t2.0    \t3.0 4.0 \t 5 6\t", 7), (Cells{1, 3, 4, 5, 5, 6, NONE}));
    EXPECT_EQ(parsed("      ", 1), (Cells{NONE}));
    EXPECT_EQ(parsed(" 1 2 3", 4), (Cells{1, 2, 3, NONE}));
    std::string surplus;
    for (int c = 0; c < 200; ++c) {
        surplus += ' ' + std::to_string(c % 50);
    }
    EXPECT_EQ(parsed(surplus, 72)[71], 21.0);
    EXPECT_EQ(parsed(std::string_view("1 2\0 3 4", 8), 3), (Cells{1, 2, NONE}));
}

}  // namespace
