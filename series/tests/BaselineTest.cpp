#include <gtest/gtest.h>

#include <cmath>

#include "series/tests/SeriesFiles.h"

namespace {

constexpr YearSpan BASELINE{1851, 1853};

// The test's own mean of a cell's calendar month over the baseline: none when fewer than two of
// its three years have data.
std::optional<double> ownMean(int calendarMonth, int row, int column) {
    double sum = 0;
    int count = 0;
    for (std::uint32_t year = BASELINE.first; year <= BASELINE.last; ++year) {
        if (auto value = seriesField((year - 1850) * 12 + calendarMonth, row, column)) {
            sum += *value;
            ++count;
        }
    }
    return count * 2 >= 3 ? std::optional(sum / count) : std::nullopt;
}

SeriesRequest request(std::vector<SeriesRegion> regions, std::optional<YearSpan> baseline) {
    SeriesRequest asked;
    asked.regions = std::move(regions);
    asked.fromYear = 1850;
    asked.toYear = 1855;
    asked.baseline = baseline;
    asked.thresholdPercent = 0;
    return asked;
}

TEST(SeriesBaseline, ReReferencingMatchesOwnAnomaliesAndChangesNothingTheSecondTime) {
    SeriesFiles files;
    // The field minus the test's own means: a file whose baseline months already average to 0.
    const std::string referenced = files.folder.file("referenced.nc");
    writeNetcdf(referenced, {.months = SERIES_MONTHS}, [](int k, int row, int column) {
        const auto value = seriesField(k, row, column);
        const auto mean = ownMean(k % 12, row, column);
        return value && mean ? std::optional(*value - *mean) : std::nullopt;
    });
    std::vector<SeriesRegion> regions;
    for (const char* word : {"global", "mean", "nh", "box:-30,-20,40,35", "position"}) {
        regions.push_back(SeriesRegion::parse(word));
    }
    PositionList positions;
    positions.add({"", 0, 0, place(37, 22)});
    const auto once = seriesOf(files.text, request(regions, BASELINE), positions);
    const auto written = seriesOf(referenced, request(regions, std::nullopt), positions);
    const auto twice = seriesOf(referenced, request(regions, BASELINE), positions);
    for (std::size_t i = 0; i < regions.size(); ++i) {
        for (int k = 0; k < SERIES_MONTHS; ++k) {
            const double expected = written[i].points[k].value;
            for (const auto* other : {&once, &twice}) {
                const double actual = (*other)[i].points[k].value;
                EXPECT_EQ(std::isnan(expected), std::isnan(actual)) << i << " " << k;
                if (!std::isnan(expected)) {
                    EXPECT_NEAR(expected, actual, 1e-5) << i << " " << k;
                }
            }
        }
    }
}

TEST(SeriesBaseline, BaselineMonthsAverageToZeroInEveryCellWithEnoughData) {
    SeriesFiles files;
    std::vector<SeriesRegion> cells;
    for (int row = 0; row < 36; ++row) {
        for (int column = 0; column < 72; ++column) {
            SeriesRegion cell;
            cell.kind = SeriesRegion::Kind::Box;
            cell.west = -178.0 + 5 * column;
            cell.east = cell.west + 1;
            cell.south = 87.0 - 5 * row;
            cell.north = cell.south + 1;
            cells.push_back(cell);
        }
    }
    SeriesRequest asked = request(cells, BASELINE);
    asked.fromYear = BASELINE.first;
    asked.toYear = BASELINE.last;
    const auto series = seriesOf(files.text, asked);
    int checked = 0;
    for (int i = 0; i < 36 * 72; ++i) {
        for (int m = 0; m < 12; ++m) {
            double sum = 0;
            int count = 0;
            for (int year = 0; year < 3; ++year) {
                const double value = series[i].points[year * 12 + m].value;
                sum += std::isnan(value) ? 0 : value;
                count += !std::isnan(value);
            }
            ASSERT_EQ(count > 0, ownMean(m, i / 72, i % 72).has_value()) << i << " " << m;
            EXPECT_NEAR(count > 0 ? sum / count : 0, 0, 1e-6);
            checked += count > 0;
        }
    }
    EXPECT_GT(checked, 36 * 72 * 6);
}

}  // namespace
