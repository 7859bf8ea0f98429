#include <gtest/gtest.h>

#include <string>

#include "grid/BlockHeader.h"
#include "grid/GridDatabase.h"
#include "tests/grid/DatasetFiles.h"
#include "tests/grid/NoData.h"

namespace {

// Every cell of block k holds k + 0.5, so a value shows which month was read.
CellFunction monthValue(int k) {
    return [k](int, int) { return k + 0.5; };
}

class BlockLayout : public ::testing::Test {
  protected:
    void open(const std::string& data) {
        std::string name = directory.file("data/cru/hadcrut3v.dat");
        writeFile(name, data);
        grid.open(1, name.c_str());
    }

    // Reads the month and says whether it came out as that month's data.
    bool readsMonth(std::uint32_t month) {
        grid.select(1850, month, false);
        return grid.cellsWithData == 36u * 72u && grid.cellValue(3, 30) == month - 1 + 0.5;
    }

    TemporaryDirectory directory;
    GridDatabase grid;
};

TEST(BlockHeader, NamesTheMonthInEveryLayoutWeKnow) {
    EXPECT_TRUE(headerNamesMonth("   1850    1   16   36   72", 1850, 1));
    EXPECT_TRUE(headerNamesMonth("1990  6  rows=36 cols=72  missing=-99.99", 1990, 6));
    EXPECT_TRUE(headerNamesMonth("   8 1990", 1990, 8));
    EXPECT_TRUE(headerNamesMonth("   3  36  72", 1850, 3));
    EXPECT_FALSE(headerNamesMonth("   1850    2   16   36   72", 1850, 1));
    EXPECT_FALSE(headerNamesMonth("   1851    1   16   36   72", 1850, 1));
    EXPECT_FALSE(headerNamesMonth("   4  36  72", 1850, 3));
    EXPECT_FALSE(headerNamesMonth("   1 1851", 1850, 1));
    EXPECT_FALSE(headerNamesMonth("", 1850, 1));
    EXPECT_FALSE(headerNamesMonth(std::string(20, '\0'), 1850, 1));
    EXPECT_FALSE(headerNamesMonth("    -0.250     1.500     3.000", 1850, 1));
    EXPECT_EQ(printableHeader(std::string("ab\0\x7f  ", 6)), "ab??");
    EXPECT_EQ(printableHeader(std::string(50, 'x')), std::string(40, 'x') + "...");
}

// A block whose header names another month, or that runs past the next block's start, gives
// no data and says why; the blocks around it are still read.
TEST_F(BlockLayout, ZeroedMissingLineAndShiftedBlocksShowNoData) {
    std::string data = makeBlocks(HADCRUT3_LAYOUT, 7, monthValue);
    const std::size_t block = HADCRUT3_LAYOUT.blockSize();
    // March is zero bytes; in May the first data line is gone, so June starts a line early.
    data.replace(2 * block, block, block, '\0');
    std::size_t mayData = 4 * block + HADCRUT3_LAYOUT.headerBytes;
    data.erase(mayData, data.find('\n', mayData) + 1 - mayData);
    open(data);

    EXPECT_TRUE(readsMonth(2));
    EXPECT_TRUE(grid.layoutProblem().isEmpty());
    grid.select(1850, 3, false);
    expectNoData(grid);
    std::string problem = grid.layoutProblem().str();
    EXPECT_NE(problem.find("hadcrut3v.dat"), std::string::npos) << problem;
    EXPECT_NE(problem.find("03/1850"), std::string::npos) << problem;
    EXPECT_NE(problem.find("28613"), std::string::npos) << problem;
    EXPECT_TRUE(readsMonth(4));
    EXPECT_TRUE(grid.layoutProblem().isEmpty());
    for (std::uint32_t month : {5u, 6u}) {
        grid.select(1850, month, false);
        expectNoData(grid);
        EXPECT_FALSE(grid.layoutProblem().isEmpty()) << month;
    }
    // A year average with one bad block shows nothing rather than a partial mean.
    grid.select(1850, 1, true);
    expectNoData(grid);
}

TEST_F(BlockLayout, RandomBytesNeverBecomeData) {
    std::string junk;
    for (std::uint32_t i = 0, state = 7; i < 30 * 28613; ++i) {
        state = state * 1664525u + 1013904223u;
        junk += static_cast<char>(state >> 24);
    }
    open(junk);
    for (std::uint32_t month = 1; month <= 12; ++month) {
        grid.select(1851, month, false);
        expectNoData(grid);
        EXPECT_FALSE(grid.layoutProblem().isEmpty()) << month;
    }
}

// LF where the name promises CRLF: the first two blocks show the real size, which is then used
// and named in a note.
TEST_F(BlockLayout, LineEndsOtherThanTheNameSaysAreFoundAndUsed) {
    constexpr DatasetLayout LF_LAYOUT{11, "\n", 28, "-1.000e+30"};
    open(makeBlocks(LF_LAYOUT, 7, monthValue));
    EXPECT_EQ(grid.blockSize(), 28613u - 37u);
    std::string note = grid.layoutNote().str();
    EXPECT_NE(note.find("LF-Zeilenenden statt CRLF"), std::string::npos) << note;
    EXPECT_NE(note.find("28576"), std::string::npos) << note;
    EXPECT_TRUE(readsMonth(6));
    EXPECT_TRUE(grid.layoutProblem().isEmpty());

    // Without a second block to confirm it the size stays, and every read says what it found.
    open(makeBlock(LF_LAYOUT, 0, monthValue(0)) + std::string(100, ' '));
    EXPECT_EQ(grid.blockSize(), 28613u);
    EXPECT_TRUE(grid.layoutNote().isEmpty());
    grid.select(1850, 1, false);
    expectNoData(grid);
    EXPECT_NE(grid.layoutProblem().str().find("LF-Zeilenenden statt CRLF"), std::string::npos);

    // The right layout needs no note; a month number past December names no block of the next
    // year, though the block it works out to is there.
    open(makeBlocks(HADCRUT3_LAYOUT, 14, monthValue));
    EXPECT_TRUE(grid.layoutNote().isEmpty());
    EXPECT_TRUE(readsMonth(2));
    grid.select(1850, 13, false);
    expectNoData(grid);
    EXPECT_NE(grid.layoutProblem().str().find("13/1850"), std::string::npos);
}

// The reader's quicker sums must give the very doubles of summing cell by cell in grid order.
TEST_F(BlockLayout, GlobalFiguresAreExactlyThoseOfThePlainSums) {
    std::string data;
    for (int k = 0; k < 3; ++k) {
        data += makeBlock(HADCRUT3_LAYOUT, k, [k](int row, int column) -> std::optional<double> {
            std::uint32_t hash = (row * 73 + column) * 2654435761u + k * 40503u;
            if ((hash >> 7) % 10 < static_cast<unsigned>(3 + 3 * k)) {
                return std::nullopt;
            }
            return static_cast<int>((hash >> 11) % 2001) / 100.0 - 10.0;
        });
    }
    open(data);
    for (std::uint32_t month = 1; month <= 3; ++month) {
        grid.select(1850, month, false);
        double sum = 0.0;
        double covered = 0.0;
        for (std::uint32_t r = 0; r < 36; ++r) {
            for (std::uint32_t c = 0; c < 72; ++c) {
                if (grid.cellCount(c, r) != 0) {
                    sum += grid.cellValue(c, r) * grid.zoneWeight(r);
                    covered += grid.zoneWeight(r);
                }
            }
        }
        const double coveredSum = sum;
        for (std::uint32_t r = 0; r < 36; ++r) {
            for (std::uint32_t c = 0; c < 72; ++c) {
                if (grid.cellCount(c, r) == 0) {
                    sum += coveredSum * grid.zoneWeight(r);
                }
            }
        }
        EXPECT_EQ(grid.globalMean, sum) << month;
        EXPECT_EQ(grid.coverage, covered * 100.0) << month;
    }
}

}  // namespace
