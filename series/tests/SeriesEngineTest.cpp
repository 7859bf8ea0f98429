#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "grid/GridDatabase.h"
#include "positions/PositionList.h"
#include "series/tests/SeriesFiles.h"
#include "tests/support/Places.h"
#include "toolkit/ZException.h"

namespace {

using Inside = std::function<bool(double latitude, double longitude)>;

struct OwnMean {
    double mean = NAN;
    double covered = 0;
};

// Month k's mean over the cells whose centres are inside, weighted by the rows' areas; NaN when
// less than the threshold's share of the area has data.
OwnMean ownMean(int k, const Inside& inside, double threshold) {
    double sum = 0, total = 0;
    OwnMean own;
    for (int row = 0; row < 36; ++row) {
        for (int column = 0; column < 72; ++column) {
            if (!inside(87.5 - 5 * row, -177.5 + 5 * column)) {
                continue;
            }
            total += rowArea(row);
            if (auto value = seriesField(k, row, column)) {
                sum += *value * rowArea(row);
                own.covered += rowArea(row);
            }
        }
    }
    if (own.covered > 0 && own.covered * 100 >= threshold * total * (1 - 1e-12)) {
        own.mean = sum / own.covered;
    }
    return own;
}

SeriesRequest requestOf(std::vector<std::string> words, double threshold) {
    SeriesRequest request;
    request.fromYear = 1850;
    request.toYear = 1855;
    request.thresholdPercent = threshold;
    for (const std::string& word : words) {
        request.regions.push_back(SeriesRegion::parse(word));
    }
    return request;
}

void expectSame(double expected, double actual, double tolerance, const std::string& where) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << where;
    } else {
        EXPECT_NEAR(expected, actual, tolerance) << where;
    }
}

TEST(SeriesEngine, RegionsMatchAnOwnAreaWeightedMeanInTextAndNetcdf) {
    const std::vector<std::pair<std::string, Inside>> regions{
        {"box:-30,-20,40,35",
         [](double la, double lo) { return la >= -20 && la <= 35 && lo >= -30 && lo <= 40; }},
        {"box:170,-10,-170,10",
         [](double la, double lo) { return std::fabs(la) <= 10 && std::fabs(lo) >= 170; }},
        {"nh", [](double la, double) { return la > 0; }},
        {"tropics", [](double la, double) { return std::fabs(la) <= 23.5; }},
        {"arctic", [](double la, double) { return la >= 66.5; }},
        {"band:-40,-20", [](double la, double) { return la >= -40 && la <= -20; }},
        {"mean", [](double, double) { return true; }}};
    SeriesFiles files;
    std::vector<std::string> words;
    for (const auto& region : regions) {
        words.push_back(region.first);
    }
    for (const std::string& file : {files.text, files.netcdf}) {
        const std::vector<Series> series = seriesOf(file, requestOf(words, 50));
        ASSERT_EQ(series.size(), regions.size());
        for (std::size_t i = 0; i < regions.size(); ++i) {
            ASSERT_EQ(series[i].points.size(), SERIES_MONTHS);
            for (int k = 0; k < SERIES_MONTHS; ++k) {
                // The reader's areas take pi to eight decimals, these the exact one.
                expectSame(ownMean(k, regions[i].second, 50).mean, series[i].points[k].value, 1e-8,
                           file + " " + regions[i].first + " month " + std::to_string(k));
            }
        }
    }
}

TEST(SeriesEngine, HemispheresAddUpToTheCoveredMeanAndTheWholeGlobeBoxEqualsIt) {
    SeriesFiles files;
    const std::vector<Series> series =
        seriesOf(files.text, requestOf({"nh", "sh", "mean", "box:-180,-90,180,90"}, 0));
    for (int k = 0; k < SERIES_MONTHS; ++k) {
        const double north = ownMean(
                                 k, [](double la, double) { return la > 0; }, 0)
                                 .covered;
        const double south = ownMean(
                                 k, [](double la, double) { return la < 0; }, 0)
                                 .covered;
        const double nh = series[0].points[k].value, sh = series[1].points[k].value;
        const double mean = series[2].points[k].value;
        EXPECT_NEAR((nh * north + (std::isnan(sh) ? 0 : sh * south)) / (north + south), mean, 1e-9);
        EXPECT_EQ(series[3].points[k].value, mean);
    }
}

// With a baseline, as the map shows the re-referenced months.
TEST(SeriesEngine, GlobalValueAndPositionsAreWhatCaptionAndReadoutShow) {
    SeriesFiles files;
    PositionList positions;
    positions.add({"", 0, 0, place(52.5, 13.2)});
    positions.add({"", 0, 0, place(-33.9, 151.2)});
    for (std::optional<YearSpan> baseline :
         {std::optional<YearSpan>(), std::optional(YearSpan{1851, 1853})}) {
        SeriesRequest request = requestOf({"global", "position", "position:2"}, 0);
        request.baseline = baseline;
        const std::vector<Series> series = seriesOf(files.text, request, positions);
        EXPECT_EQ(series[2].label, "Position 2 (33° 54' S, 151° 12' O)");
        GridDatabase database;
        database.open({1, ZString(files.text), baseline});
        for (int k = 0; k < SERIES_MONTHS; ++k) {
            database.select({1850u + k / 12, k % 12 + 1u, false});
            EXPECT_NEAR(series[0].points[k].value, database.grid().figures().globalMean, 1e-12);
            for (std::uint32_t id : {1u, 2u}) {
                const double shown = database.grid().valueAt(positions.get(id)->coordinates);
                expectSame(shown == MISSING_VALUE ? NAN : shown, series[id].points[k].value, 1e-12,
                           "");
            }
        }
    }
    EXPECT_THROW(seriesOf(files.text, requestOf({"position:3"}, 0), positions), ZException);
}

TEST(SeriesEngine, ThresholdsZeroAndHundredAndAnnualMeans) {
    SeriesFiles files;
    const auto one = [&](const std::string& word, double threshold, SeriesStep step) {
        SeriesRequest request = requestOf({word}, threshold);
        request.step = step;
        return seriesOf(files.text, request)[0].points;
    };
    const auto sh0 = one("sh", 0, SeriesStep::EveryMonth);
    const auto sh100 = one("sh", 100, SeriesStep::EveryMonth);
    // A box around the centre of one cell that has data in month 1.
    int column = 0;
    while (!seriesField(1, 10, column)) {
        ++column;
    }
    const auto cell100 = one("box:" + std::to_string(-178 + 5 * column) + ",37," +
                                 std::to_string(-177 + 5 * column) + ",38",
                             100, SeriesStep::EveryMonth);
    for (int k = 0; k < SERIES_MONTHS; ++k) {
        EXPECT_EQ(std::isnan(sh0[k].value), k % 7 == 0) << k;
        EXPECT_TRUE(std::isnan(sh100[k].value)) << k;
    }
    EXPECT_DOUBLE_EQ(cell100[1].value, *seriesField(1, 10, column));
    const auto monthly = one("mean", 0, SeriesStep::EveryMonth);
    const auto annual = one("mean", 0, SeriesStep::AnnualMeans);
    ASSERT_EQ(annual.size(), 6u);
    double sum = 0;
    for (int k = 12; k < 24; ++k) {
        sum += monthly[k].value;
    }
    EXPECT_NEAR(annual[1].value, sum / 12, 1e-12);
    EXPECT_EQ(annual[1].time, 1851.5);
}

TEST(SeriesEngine, BadInputIsRefusedWithAMessage) {
    for (const char* word : {"xyz", "box:1,2,3", "box:10,20,10,30", "band:10,-10", "position:x",
                             "position:0", "box:10,-95,20,0", "box:-190,0,10,10"}) {
        EXPECT_THROW(SeriesRegion::parse(word), ZException) << word;
    }
    EXPECT_EQ(SeriesRegion::parse("box:170,-10,-170,10").label(),
              "Box 170° O bis 170° W, 10° S bis 10° N");
    SeriesFiles files;
    SeriesRequest tooSmall = requestOf({"box:1,1,2,2"}, 50);
    SeriesRequest outside = requestOf({"nh"}, 50);
    outside.fromYear = 1900;
    outside.toYear = 1950;
    SeriesRequest noBaseline = requestOf({"nh"}, 50);
    noBaseline.baseline = YearSpan{1700, 1760};
    SeriesRequest reversed = requestOf({"nh"}, 50);
    reversed.toYear = 1840;
    for (const SeriesRequest& request : {tooSmall, outside, noBaseline, reversed}) {
        try {
            seriesOf(files.text, request);
            ADD_FAILURE() << "no failure";
        } catch (const ZException& e) {
            EXPECT_FALSE(e.getMessage().isEmpty());
        }
    }
}

// CDO computes its own cell areas (cells bounded by great circles, not by parallels) and picks
// the cells of a box itself; with the same cells the means differ by at most 6.4e-5 °C here.
TEST(SeriesEngine, BoxAgreesWithCdo) {
    if (std::system("cdo --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "cdo is not installed";
    }
    SeriesFiles files;
    const std::vector<Series> series = seriesOf(files.netcdf, requestOf({"box:-30,-20,40,35"}, 0));
    // The test files' coordinates carry no units, so the grid is named to cdo.
    files.folder.write("grid.txt",
                       "gridtype = lonlat\nxsize = 72\nysize = 36\nxfirst = -177.5\n"
                       "xinc = 5\nyfirst = -87.5\nyinc = 5\n");
    const std::string command =
        "cdo -s outputf,%.12g,1 -fldmean -sellonlatbox,-30,40,-20,35 "
        "-setgrid," +
        files.folder.file("grid.txt") + " " + files.netcdf;
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_TRUE(pipe);
    char line[256];
    int k = 0;
    double largest = 0;
    while (std::fgets(line, sizeof line, pipe)) {
        double value = 0;
        if (std::sscanf(line, "%lf", &value) == 1 && k < SERIES_MONTHS) {
            largest = std::max(largest, std::fabs(value - series[0].points[k++].value));
        }
    }
    pclose(pipe);
    EXPECT_EQ(k, SERIES_MONTHS);
    EXPECT_LT(largest, 1e-4);
}

}  // namespace
