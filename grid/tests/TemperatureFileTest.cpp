// Files of temperatures: re-referenced to their own baseline, which is kept beside the file only
// for the very version of the file it was computed from.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "grid/BaselineCache.h"
#include "grid/FileBaselines.h"
#include "grid/GridDatabase.h"
#include "grid/tests/DatasetFiles.h"
#include "grid/tests/NetcdfFiles.h"

namespace {

std::optional<double> anomaly(int k, int r, int c) {
    const int code = (k * 131 + r * 37 + c * 11) % 1000;
    return code % 7 == 0 ? std::nullopt : std::optional((code - 500) / 173.0);
}

// A fixed climatology in degrees Celsius: colder towards the poles, a season that swings more
// in the north.
double climate(int month, int r, int c) {
    return 28.0 - 0.9 * std::fabs(87.5 - 5.0 * r) + (r - 18) * 0.4 * std::cos(month * 0.52) +
           0.01 * c;
}

// The anomalies plus the climatology in kelvin make a file of temperatures; with its own
// baseline removed it gives the anomalies re-referenced to the same span.
TEST(TemperatureFile, GivesBackTheAnomaliesReReferencedToItsSpan) {
    TemporaryDirectory directory;
    const std::string anomalies = directory.file("anomalies.nc");
    const std::string kelvin = directory.file("kelvin.nc");
    writeNetcdf(anomalies, {.months = 36}, anomaly);
    writeNetcdf(kelvin,
                {.variable = "tas",
                 .months = 36,
                 .attributes = {{"units", "K"}, {"standard_name", "air_temperature"}}},
                [](int k, int r, int c) -> std::optional<double> {
                    const std::optional<double> value = anomaly(k, r, c);
                    return value ? std::optional(*value + climate(k % 12, r, c) + 273.15)
                                 : std::nullopt;
                });
    // Fewer than 30 whole years: the whole file.
    const YearSpan span{1850, 1852};
    EXPECT_EQ(FileBaselines::spanOf(1850 * 12, 1853 * 12), span);
    GridDatabase expected;
    expected.open({1, anomalies.c_str(), span});
    GridDatabase temperatures;
    temperatures.open({1, kelvin.c_str()});
    EXPECT_EQ(temperatures.baselineName(), "1850-1852");
    EXPECT_TRUE(std::filesystem::exists(kelvin + ".sorvo-baseline"));
    for (MonthSelection month : {MonthSelection{1851, 3, false}, MonthSelection{1852, 1, true}}) {
        expected.select(month);
        temperatures.select(month);
        const MonthGrid& read = temperatures.grid();
        ASSERT_EQ(read.figures().cellsWithData, expected.grid().figures().cellsWithData);
        EXPECT_NEAR(read.figures().globalMean, expected.grid().figures().globalMean, 1e-5);
        for (std::uint32_t cell = 0; cell < 36 * 72; ++cell) {
            ASSERT_NEAR(read.cellValue(cell % 72, cell / 72),
                        expected.grid().cellValue(cell % 72, cell / 72), 1e-4)
                << cell;
        }
    }
}

TEST(TemperatureFile, SpansOfLongerFiles) {
    // 1961-1990 when held whole; else the first 30 whole years (from the first January).
    EXPECT_EQ(FileBaselines::spanOf(1950 * 12, 2025 * 12 + 3), (YearSpan{1961, 1990}));
    EXPECT_EQ(FileBaselines::spanOf(1961 * 12 + 1, 2025 * 12), (YearSpan{1962, 1991}));
    EXPECT_EQ(FileBaselines::spanOf(1979 * 12, 2020 * 12), (YearSpan{1979, 2008}));
}

// The kept values are read back only for the same dataset size, modification time and
// settings, and only whole.
TEST(TemperatureFile, TheKeptBaselineMatchesItsFileOrIsIgnored) {
    TemporaryDirectory directory;
    const std::string dataset = directory.file("t.nc");
    directory.write("t.nc", "some bytes");
    const std::vector<double> values{1.5, NAN, -3.25};
    ASSERT_TRUE(BaselineCache(dataset, {1961, 1990, 50}).save(values));
    const auto loaded = BaselineCache(dataset, {1961, 1990, 50}).load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ((*loaded)[0], 1.5);
    EXPECT_TRUE(std::isnan((*loaded)[1]));
    EXPECT_FALSE(BaselineCache(dataset, {1961, 1990, 60}).load());

    const auto times = std::filesystem::last_write_time(dataset);
    std::filesystem::last_write_time(dataset, times + std::chrono::seconds(1));
    EXPECT_FALSE(BaselineCache(dataset, {1961, 1990, 50}).load()) << "modification time";
    std::filesystem::last_write_time(dataset, times);
    ASSERT_TRUE(BaselineCache(dataset, {1961, 1990, 50}).load());
    { std::ofstream(dataset, std::ios::app) << "more"; }
    std::filesystem::last_write_time(dataset, times);
    EXPECT_FALSE(BaselineCache(dataset, {1961, 1990, 50}).load()) << "size";

    ASSERT_TRUE(BaselineCache(dataset, {1961, 1990, 50}).save(values));
    const std::string kept = dataset + ".sorvo-baseline";
    std::filesystem::resize_file(kept, std::filesystem::file_size(kept) - 1);
    EXPECT_FALSE(BaselineCache(dataset, {1961, 1990, 50}).load()) << "cut short";
}

}  // namespace
