#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include <unistd.h>

#include "grid/AnomalySource.h"
#include "grid/Climatology.h"
#include "grid/GridDatabase.h"
#include "grid/GridSource.h"
#include "grid/GridSourceDescription.h"
#include "grid/tests/DatasetFiles.h"
#include "toolkit/ZException.h"
#include "toolkit/ZQuietProgress.h"

namespace {

// Ten years from 1850: a warming trend, a seasonal cycle that differs by row, a cell that has
// data only in 1850-1852 (too few for a baseline over 1850-1859) and a cell that never has any.
std::string tenYears() {
    return makeBlocks(HADCRUT4_LAYOUT, 120, [](int k) {
        return [k](int r, int c) -> std::optional<double> {
            if ((r == 3 && c == 4 && k >= 36) || (r == 5 && c == 6)) {
                return std::nullopt;
            }
            return 0.01 * k + 0.1 * (k % 12) * (r % 5) - 0.02 * c;
        };
    });
}

class Baseline : public testing::Test {
  protected:
    void SetUp() override {
        path =
            std::filesystem::temp_directory_path() / ("sorvo-baseline-" + std::to_string(getpid()));
        writeFile(path / "ten.dat", tenYears());
        name = ZString((path / "ten.dat").string());
    }
    void TearDown() override { std::filesystem::remove_all(path); }

    std::unique_ptr<GridSource> open(std::optional<YearSpan> span) {
        return GridSource::open(GridSourceDescription(1, name, span));
    }

    std::filesystem::path path;
    ZString name;
};

TEST_F(Baseline, MonthsOfTheSpanAverageToZeroAndTooFewYearsGiveNoValue) {
    const YearSpan span{1852, 1857};
    auto source = open(span);
    EXPECT_EQ(source->baselineName(), "1852-1857");
    MonthGrid grid(5);
    for (std::uint32_t month : {1u, 7u, 12u}) {
        std::vector<double> sum(72 * 36, 0.0);
        for (std::uint32_t year = span.first; year <= span.last; ++year) {
            source->read({year, month, false}, grid);
            for (std::uint32_t r = 0; r < 36; ++r) {
                for (std::uint32_t c = 0; c < 72; ++c) {
                    sum[r * 72 + c] += grid.cellValue(c, r);
                }
            }
        }
        EXPECT_NEAR(sum[0], 0.0, 1e-9);
        EXPECT_NEAR(sum[35 * 72 + 71], 0.0, 1e-9);
    }
    // 1852 alone of the six years has data in that cell: no mean, so no value in any year.
    source->read({1852, 3, false}, grid);
    EXPECT_EQ(grid.cellValue(4, 3), MISSING_VALUE);
    EXPECT_EQ(grid.cellValue(6, 5), MISSING_VALUE);
    EXPECT_EQ(grid.figures().cellsWithData, 72u * 36 - 2);
}

TEST_F(Baseline, TwiceIsOnceAndYearAveragesAreMeansOfTheMonths) {
    const YearSpan span{1850, 1859};
    auto once = open(span);
    ZQuietProgress quiet;
    auto twice = GridSource::rereferenced(open(span), name, span, quiet);
    MonthGrid a(5);
    MonthGrid b(5);
    for (std::uint32_t month = 1; month <= 12; ++month) {
        once->read({1855, month, false}, a);
        twice->read({1855, month, false}, b);
        EXPECT_NEAR(a.cellValue(10, 20), b.cellValue(10, 20), 1e-12);
        EXPECT_NEAR(a.figures().globalMean, b.figures().globalMean, 1e-12);
    }
    double sum = 0.0;
    for (std::uint32_t month = 1; month <= 12; ++month) {
        once->read({1858, month, false}, a);
        sum += a.cellValue(10, 20);
    }
    once->read({1858, 0, true}, b);
    EXPECT_NEAR(b.cellValue(10, 20), sum / 12, 1e-12);
}

TEST_F(Baseline, ASpanWithoutDataIsRefusedAndTheDatabaseNamesIt) {
    try {
        open(YearSpan{1990, 2000});
        ADD_FAILURE() << "a span without data accepted";
    } catch (const ZException& e) {
        EXPECT_NE(e.getMessage().view().find("1990-2000"), std::string_view::npos);
    }
    GridDatabase database;
    database.open(GridSourceDescription(1, name, YearSpan{1850, 1859}));
    EXPECT_EQ(database.baselineName(), "1850-1859");
    database.open(GridSourceDescription(1, name));
    EXPECT_EQ(database.baselineName(), "");
}

TEST(YearSpan, Parse) {
    struct Case {
        const char* text;
        std::uint32_t first, last;  // 0, 0: refused
    } cases[] = {{"1961-1990", 1961, 1990},
                 {" 1991 - 2020 ", 1991, 2020},
                 {"1900-1900", 1900, 1900},
                 {"1990-1961", 0, 0},
                 {"1961", 0, 0},
                 {"19610-1990", 0, 0},
                 {"a-b", 0, 0},
                 {"-1990", 0, 0},
                 {"0-5", 0, 0}};
    for (const Case& c : cases) {
        std::optional<YearSpan> span = YearSpan::parse(c.text);
        EXPECT_EQ(span.has_value(), c.first != 0) << c.text;
        if (span) {
            EXPECT_EQ(*span, (YearSpan{c.first, c.last})) << c.text;
        }
    }
}

}  // namespace
