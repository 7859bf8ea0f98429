#include "grid/TextBlockSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/BlockHeader.h"
#include "grid/GridDatabase.h"
#include "grid/GridLineParser.h"
#include "grid/NotNumbersNote.h"
#include "grid/tests/DatasetFiles.h"
#include "grid/tests/NoData.h"
#include "tests/support/GoldenTable.h"

namespace {

// A value that names its month block, exact in a float.
double blockCode(int k) {
    return (k % 97) - 48 + 0.25;
}

CellFunction coded(int k) {
    return [k](int, int) { return blockCode(k); };
}

class TextBlocks : public ::testing::Test {
  protected:
    std::string open(const std::string& data, const char* relative = "data/cru/hadcrut3v.dat") {
        std::string name = directory.file(relative);
        writeFile(name, data);
        database.open({1, name.c_str()});
        return name;
    }

    double cell(std::uint32_t column, std::uint32_t row) const {
        return database.grid().cellValue(column, row);
    }

    // Reads the month and says whether it came out as block month - 1 in full.
    bool readsBlock(std::uint32_t month) {
        database.select({1850, month, false});
        return database.grid().figures().cellsWithData == 36u * 72u &&
               cell(3, 30) == blockCode(static_cast<int>(month) - 1);
    }

    TemporaryDirectory directory;
    GridDatabase database;
};

TEST(TextBlockSource, BlockSizeComesFromTheWholeName) {
    EXPECT_EQ(TextBlockSource::blockSizeFor("./data/cru/hadcrut4.dat"), 20856u);
    EXPECT_EQ(TextBlockSource::blockSizeFor("hadcrut4.dat"), 28613u);
    EXPECT_EQ(TextBlockSource::blockSizeFor("C:\\data\\cru\\hadcrut4.dat"), 28613u);
    EXPECT_EQ(TextBlockSource::blockSizeFor("data/cru/hadsst2.dat/data/cru/abstem3.dat"), 20780u);
}

TEST_F(TextBlocks, EveryLayoutIsReadBlockByBlock) {
    for (auto [name, layout] : {std::pair{"data/cru/hadcrut3v.dat", HADCRUT3_LAYOUT},
                                {"data/cru/hadcrut4.dat", HADCRUT4_LAYOUT},
                                {"data/cru/hadsst2.dat", HADSST2_LAYOUT},
                                {"data/cru/abstem3.dat", ABSTEM3_LAYOUT}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(layout.blockSize(), TextBlockSource::blockSizeFor(name));
        open(makeBlocks(layout, 26, coded), name);
        EXPECT_TRUE(readsBlock(1));
        EXPECT_EQ(cell(71, 35), blockCode(0));
        database.select({1851, 12, false});
        EXPECT_EQ(cell(5, 5), blockCode(23));
    }
}

TEST_F(TextBlocks, ABlockCountsOnlyWhenItEndsWithinTheFile) {
    std::string data = makeBlocks(HADCRUT3_LAYOUT, 3, coded);
    open(data);  // exactly three blocks
    EXPECT_TRUE(readsBlock(3));
    EXPECT_NEAR(database.grid().figures().globalMean, blockCode(2), 1e-12);
    database.select({1850, 4, false});
    expectNoData(database);

    open(data.substr(0, data.size() - 1));
    EXPECT_TRUE(readsBlock(2));
    // Neither the cut block nor December 1849, which is no block before the first at offset 0.
    for (MonthSelection selection :
         {MonthSelection{1850, 3, false}, MonthSelection{1849, 12, false},
          MonthSelection{1849, 12, true}}) {
        database.select(selection);
        expectNoData(database);
    }
}

TEST_F(TextBlocks, YearAverageTakesTheMonthsUpToTheEndOfTheFile) {
    // 1850 complete, 1851 January to March, cell (0, 0) without data in February 1851.
    open(makeBlocks(HADCRUT3_LAYOUT, 15, [](int k) {
        return [k](int r, int c) -> std::optional<double> {
            if (k == 13 && r == 0 && c == 0) {
                return std::nullopt;
            }
            return k * 0.5 + c * 0.125;
        };
    }));
    database.select({1851, 7, true});
    EXPECT_EQ(cell(1, 0), (6.125 + 6.625 + 7.125) / 3);
    EXPECT_EQ(database.grid().cellCount(1, 0), 3u);
    EXPECT_EQ(cell(0, 0), (6.0 + 7.0) / 2);
    EXPECT_EQ(database.grid().cellCount(0, 0), 2u);
    database.select({1850, 1, true});
    EXPECT_EQ(cell(5, 0), 33.0 / 12 + 0.625);
    database.select({1852, 1, true});
    expectNoData(database);
}

// Tokens that are no numbers are data of 0.0, and each read says how many it met.
TEST_F(TextBlocks, ReadsCountTheTokensThatAreNoNumbers) {
    std::string data = makeBlocks(HADCRUT3_LAYOUT, 13, coded);
    spoilCell(data, HADCRUT3_LAYOUT, 0, 0, 0);
    spoilCell(data, HADCRUT3_LAYOUT, 0, 35, 71);
    spoilCell(data, HADCRUT3_LAYOUT, 1, 17, 3);
    open(data);
    database.select({1850, 1, false});
    EXPECT_EQ(cell(71, 35), 0.0);
    EXPECT_EQ(database.grid().figures().cellsWithData, 36u * 72u);
    EXPECT_EQ(notNumbersNote(database).str(),
              "Januar 1850: 2 Werte sind keine Zahlen und gelten als 0,0.");
    database.nextMonth();
    EXPECT_EQ(notNumbersNote(database).str(),
              "Februar 1850: 1 Wert ist keine Zahl und gilt als 0,0.");
    database.nextMonth();
    EXPECT_EQ(notNumbersNote(database).str(), "");
    database.select({1850, 1, true});
    EXPECT_EQ(notNumbersNote(database).str(),
              "Jahr 1850: 3 Werte sind keine Zahlen und gelten als 0,0.");
    // A month past the end has none, also right after one that had some.
    database.select({1850, 1, false});
    database.select({1851, 2, false});
    EXPECT_EQ(database.notNumbers(), 0u);
}

TEST_F(TextBlocks, LongLinesAndMisfittingBlocksStayInsideTheGrid) {
    std::string longLine = "1850 1\n" + std::string(1 << 20, ' ') + "5.5 \t 1e39 x\n";
    for (const std::string& data : {makeBlocks(HADCRUT4_LAYOUT, 8, coded), longLine + longLine}) {
        open(data);
        for (bool average : {false, true}) {
            database.select({1850, 2, average});
            const MonthGrid& grid = database.grid();
            std::uint32_t withData = 0;
            for (std::uint32_t i = 0; i < 36 * 72; ++i) {
                const std::uint32_t count = grid.cellCount(i % 72, i / 72);
                const double value = grid.cellValue(i % 72, i / 72);
                withData += count != 0;
                ASSERT_TRUE(count ? value > -99.0 && value < 99.0 : value == MISSING_VALUE);
            }
            EXPECT_EQ(withData, grid.figures().cellsWithData);
        }
    }
}

TEST(BlockHeader, NamesTheMonthInEveryLayoutWeKnow) {
    for (const auto& row : goldenRows("grid/tests/golden/block-headers.txt")) {
        EXPECT_EQ(headerNamesMonth(row[0], integer(row[1]), integer(row[2])), row[3] == "1")
            << row[0];
    }
    EXPECT_EQ(printableHeader(std::string("ab\0\x7f  ", 6)), "ab??");
    EXPECT_EQ(printableHeader(std::string(50, 'x')), std::string(40, 'x') + "...");
}

// A block whose header names another month, or that runs past the next block's start, gives
// no data and says why; the blocks around it are still read.
TEST_F(TextBlocks, ZeroedMissingLineAndShiftedBlocksShowNoData) {
    std::string data = makeBlocks(HADCRUT3_LAYOUT, 7, coded);
    const std::size_t block = HADCRUT3_LAYOUT.blockSize();
    // March is zero bytes; in May the first data line is gone, so June starts a line early.
    data.replace(2 * block, block, block, '\0');
    std::size_t mayData = 4 * block + HADCRUT3_LAYOUT.headerBytes;
    data.erase(mayData, data.find('\n', mayData) + 1 - mayData);
    open(data);

    EXPECT_TRUE(readsBlock(2));
    EXPECT_TRUE(database.layoutProblem().isEmpty());
    database.select({1850, 3, false});
    expectNoData(database);
    std::string problem = database.layoutProblem().str();
    for (const char* part : {"hadcrut3v.dat", "03/1850", "28613"}) {
        EXPECT_NE(problem.find(part), std::string::npos) << problem;
    }
    EXPECT_TRUE(readsBlock(4));
    EXPECT_TRUE(database.layoutProblem().isEmpty());
    for (std::uint32_t month : {5u, 6u}) {
        database.select({1850, month, false});
        expectNoData(database);
        EXPECT_FALSE(database.layoutProblem().isEmpty()) << month;
    }
    // A year average with one bad block shows nothing rather than a partial mean.
    database.select({1850, 1, true});
    expectNoData(database);
}

// LF where the name promises CRLF: the first two blocks show the real size, which is then used
// and named in a note.
TEST_F(TextBlocks, LineEndsOtherThanTheNameSaysAreFoundAndUsed) {
    constexpr DatasetLayout LF_LAYOUT{11, "\n", 28, "-1.000e+30"};
    std::string name = open(makeBlocks(LF_LAYOUT, 7, coded));
    EXPECT_EQ(TextBlockSource(name).blockSize(), 28613u - 37u);
    std::string note = database.layoutNote().str();
    EXPECT_NE(note.find("LF-Zeilenenden statt CRLF"), std::string::npos) << note;
    EXPECT_NE(note.find("28576"), std::string::npos) << note;
    EXPECT_TRUE(readsBlock(6));
    EXPECT_TRUE(database.layoutProblem().isEmpty());

    // Without a second block to confirm it the size stays, and every read says what it found.
    name = open(makeBlock(LF_LAYOUT, 0, coded(0)) + std::string(100, ' '));
    EXPECT_EQ(TextBlockSource(name).blockSize(), 28613u);
    EXPECT_TRUE(database.layoutNote().isEmpty());
    database.select({1850, 1, false});
    expectNoData(database);
    EXPECT_NE(database.layoutProblem().str().find("LF-Zeilenenden statt CRLF"), std::string::npos);

    // The right layout needs no note; a month number past December names no block of the next
    // year, though the block it works out to is there.
    open(makeBlocks(HADCRUT3_LAYOUT, 14, coded));
    EXPECT_TRUE(database.layoutNote().isEmpty());
    EXPECT_TRUE(readsBlock(2));
    database.select({1850, 13, false});
    expectNoData(database);
    EXPECT_NE(database.layoutProblem().str().find("13/1850"), std::string::npos);
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
