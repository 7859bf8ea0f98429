#include <gtest/gtest.h>

#include "series/tests/SeriesFiles.h"

namespace {

// The test's own mean of a cell's calendar month over 1851-1853: none when fewer than two of the
// three years have data.
std::optional<double> ownMean(int calendarMonth, int row, int column) {
    double sum = 0;
    int count = 0;
    for (int year = 1; year <= 3; ++year) {
        const auto value = seriesField(year * 12 + calendarMonth, row, column);
        sum += value.value_or(0);
        count += value.has_value();
    }
    return count >= 2 ? std::optional(sum / count) : std::nullopt;
}

// Also: the baseline's months average to 0 in every cell (a box around each cell's centre) that
// has enough data, and to nothing in the others.
TEST(SeriesBaseline, ReReferencingMatchesOwnAnomaliesAndChangesNothingTheSecondTime) {
    SeriesFiles files;
    // The field minus the test's own means: a file whose baseline months already average to 0.
    const std::string referenced = files.folder.file("referenced.nc");
    writeNetcdf(referenced, {.months = SERIES_MONTHS}, [](int k, int row, int column) {
        const auto value = seriesField(k, row, column);
        const auto mean = ownMean(k % 12, row, column);
        return value && mean ? std::optional(*value - *mean) : std::nullopt;
    });
    std::vector<std::string> words{"global", "mean", "nh", "box:-30,-20,40,35", "position"};
    for (int i = 0; i < 36 * 72; ++i) {
        const int west = -178 + 5 * (i % 72), south = 87 - 5 * (i / 72);
        words.push_back("box:" + std::to_string(west) + "," + std::to_string(south) + "," +
                        std::to_string(west + 1) + "," + std::to_string(south + 1));
    }
    PositionList positions;
    positions.add({"", 0, 0, place(37, 22)});
    const YearSpan baseline{1851, 1853};
    const auto once = seriesOf(files.text, requestOf(words, 0, baseline), positions);
    const auto written = seriesOf(referenced, requestOf(words), positions);
    const auto twice = seriesOf(referenced, requestOf(words, 0, baseline), positions);
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (int k = 0; k < SERIES_MONTHS; ++k) {
            const double expected = written[i].points[k].value;
            expectSame(expected, once[i].points[k].value, 1e-5, words[i] + std::to_string(k));
            expectSame(expected, twice[i].points[k].value, 1e-5, words[i] + std::to_string(k));
        }
    }
    for (int i = 0; i < 36 * 72; ++i) {
        for (int m = 0; m < 12; ++m) {
            double sum = 0;
            int count = 0;
            for (int year = 1; year <= 3; ++year) {
                const double value = once[i + 5].points[year * 12 + m].value;
                sum += std::isnan(value) ? 0 : value;
                count += !std::isnan(value);
            }
            ASSERT_EQ(count > 0, ownMean(m, i / 72, i % 72).has_value()) << i << " " << m;
            EXPECT_NEAR(count > 0 ? sum / count : 0, 0, 1e-6);
        }
    }
}

}  // namespace
