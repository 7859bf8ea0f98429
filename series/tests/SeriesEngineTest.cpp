#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "grid/GridDatabase.h"
#include "series/tests/SeriesFiles.h"
#include "toolkit/ZException.h"

namespace {

using Inside = std::function<bool(double latitude, double longitude)>;

// Month k's mean over the cells whose centres are inside, weighted by the rows' areas (NaN when
// less than the threshold's share of the area has data), and the area with data.
std::pair<double, double> ownMean(int k, const Inside& inside, double threshold) {
    double sum = 0, total = 0, covered = 0;
    for (int row = 0; row < 36; ++row) {
        for (int column = 0; column < 72; ++column) {
            const auto value = seriesField(k, row, column);
            const bool in = inside(87.5 - 5 * row, -177.5 + 5 * column);
            total += in ? rowArea(row) : 0;
            sum += in && value ? *value * rowArea(row) : 0;
            covered += in && value ? rowArea(row) : 0;
        }
    }
    const bool enough = covered > 0 && covered * 100 >= threshold * total * (1 - 1e-12);
    return {enough ? sum / covered : NAN, covered};
}

// Also: the hemispheres add up to the covered mean with their covered areas, and a box over the
// whole globe is that mean.
TEST(SeriesEngine, RegionsMatchAnOwnAreaWeightedMeanInTextAndNetcdf) {
    const std::vector<std::pair<std::string, Inside>> regions{
        {"nh", [](double la, double) { return la > 0; }},
        {"sh", [](double la, double) { return la < 0; }},
        {"mean", [](double, double) { return true; }},
        {"box:-30,-20,40,35",
         [](double la, double lo) { return la >= -20 && la <= 35 && lo >= -30 && lo <= 40; }},
        {"box:170,-10,-170,10",
         [](double la, double lo) { return std::fabs(la) <= 10 && std::fabs(lo) >= 170; }},
        {"arctic", [](double la, double) { return la >= 66.5; }},
        {"band:-40,-20", [](double la, double) { return la >= -40 && la <= -20; }},
        {"box:-180,-90,180,90", [](double, double) { return true; }}};
    SeriesFiles files;
    std::vector<std::string> words;
    for (const auto& region : regions) {
        words.push_back(region.first);
    }
    for (const std::string& file : {files.text, files.netcdf}) {
        const std::vector<Series> series = seriesOf(file, requestOf(words, 50));
        for (std::size_t i = 0; i < regions.size(); ++i) {
            ASSERT_EQ(series[i].points.size(), SERIES_MONTHS);
            for (int k = 0; k < SERIES_MONTHS; ++k) {
                // The reader's areas take pi to eight decimals, these the exact one.
                expectSame(ownMean(k, regions[i].second, 50).first, series[i].points[k].value, 1e-8,
                           file + " " + regions[i].first + " month " + std::to_string(k));
            }
        }
        for (int k = 0; k < SERIES_MONTHS; ++k) {
            const double n = ownMean(k, regions[0].second, 0).second;
            const double s = ownMean(k, regions[1].second, 0).second;
            const double nh = series[0].points[k].value, sh = series[1].points[k].value;
            const double mean = series[2].points[k].value;
            expectSame(mean, series[7].points[k].value, 0, "globe");
            if (!std::isnan(mean)) {
                EXPECT_NEAR((nh * n + (std::isnan(sh) ? 0 : sh * s)) / (n + s), mean, 1e-9);
            }
        }
    }
}

// Also with a baseline, as the map shows the re-referenced months.
TEST(SeriesEngine, GlobalValueAndPositionsAreWhatCaptionAndReadoutShow) {
    SeriesFiles files;
    PositionList positions;
    positions.add({"", 0, 0, place(52.5, 13.2)});
    positions.add({"", 0, 0, place(-33.9, 151.2)});
    for (auto baseline : {std::optional<YearSpan>(), std::optional(YearSpan{1851, 1853})}) {
        const auto series = seriesOf(
            files.text, requestOf({"global", "position", "position:2"}, 0, baseline), positions);
        EXPECT_EQ(series[2].label, "Position 2 (33° 54' S, 151° 12' O)");
        GridDatabase database;
        database.open({1, ZString(files.text), baseline});
        for (int k = 0; k < SERIES_MONTHS; ++k) {
            database.select({1850u + k / 12, k % 12 + 1u, false});
            EXPECT_NEAR(series[0].points[k].value, database.grid().figures().globalMean, 1e-12);
            for (std::uint32_t id : {1u, 2u}) {
                const double shown = database.grid().valueAt(positions.get(id)->coordinates);
                expectSame(shown == MISSING_VALUE ? NAN : shown, series[id].points[k].value, 1e-12,
                           std::to_string(k));
            }
        }
    }
    EXPECT_THROW(seriesOf(files.text, requestOf({"position:3"}), positions), ZException);
}

TEST(SeriesEngine, BadInputIsRefusedAndThresholdsZeroAndHundredHoldAtTheirEdges) {
    for (const char* word : {"xyz", "box:1,2,3", "box:10,20,10,30", "band:10,-10", "position:x",
                             "position:0", "box:10,-95,20,0", "box:-190,0,10,10"}) {
        EXPECT_THROW(SeriesRegion::parse(word), ZException) << word;
    }
    EXPECT_EQ(SeriesRegion::parse("box:170,-10,-170,10").label(),
              "Box 170° O bis 170° W, 10° S bis 10° N");
    SeriesFiles files;
    for (auto change : std::vector<std::function<void(SeriesRequest&)>>{
             [](SeriesRequest& r) { r.regions = {SeriesRegion::parse("box:1,1,2,2")}; },
             [](SeriesRequest& r) { r.fromYear = 1900, r.toYear = 1950; },
             [](SeriesRequest& r) {
                 r.baseline = YearSpan{1700, 1760};
             },
             [](SeriesRequest& r) { r.toYear = 1840; }}) {
        SeriesRequest request = requestOf({"nh"});
        change(request);
        EXPECT_THROW(seriesOf(files.text, request), ZException);
    }
    // Threshold 0: any cell with data; 100: every cell (a position's one cell, in row 10).
    const auto sh0 = seriesOf(files.text, requestOf({"sh"}, 0))[0].points;
    const auto sh100 = seriesOf(files.text, requestOf({"sh"}, 100))[0].points;
    for (int k = 0; k < SERIES_MONTHS; ++k) {
        EXPECT_EQ(std::isnan(sh0[k].value), k % 7 == 0) << k;
        EXPECT_TRUE(std::isnan(sh100[k].value)) << k;
    }
    int column = 0;
    while (!seriesField(1, 10, column)) {
        ++column;
    }
    PositionList positions;
    positions.add({"", 0, 0, place(37.5, -177.5 + 5 * column)});
    EXPECT_EQ(seriesOf(files.text, requestOf({"position"}, 100), positions)[0].points[1].value,
              *seriesField(1, 10, column));
}

// CDO computes its own cell areas (cells bounded by great circles, not by parallels) and picks
// the cells of a box itself; with the same cells the means differ by at most 6.4e-5 °C here.
TEST(SeriesEngine, BoxAgreesWithCdo) {
    if (std::system("cdo --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "cdo is not installed";
    }
    SeriesFiles files;
    const auto series = seriesOf(files.netcdf, requestOf({"box:-30,-20,40,35"}));
    // The test files' coordinates carry no units, so the grid is named to cdo.
    files.folder.write("grid.txt",
                       "gridtype = lonlat\nxsize = 72\nysize = 36\nxfirst = -177.5\n"
                       "xinc = 5\nyfirst = -87.5\nyinc = 5\n");
    std::FILE* pipe =
        popen(("cdo -s outputf,%.12g,1 -fldmean -sellonlatbox,-30,40,-20,35 -setgrid," +
               files.folder.file("grid.txt") + " " + files.netcdf)
                  .c_str(),
              "r");
    ASSERT_TRUE(pipe);
    int k = 0;
    double value = 0, largest = 0;
    while (k < SERIES_MONTHS && std::fscanf(pipe, "%lf", &value) == 1) {
        largest = std::max(largest, std::fabs(value - series[0].points[k++].value));
    }
    pclose(pipe);
    EXPECT_EQ(k, SERIES_MONTHS);
    EXPECT_LT(largest, 1e-4);
}

}  // namespace
