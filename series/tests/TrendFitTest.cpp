#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "series/TrendFit.h"

namespace {

// A known slope (0.2 °C per decade) under AR(1) noise (phi 0.6) over thirty years of months.
TEST(TrendFit, IntervalHoldsTheTrueSlopeInAtLeast93PercentOfAr1Runs) {
    int inside = 0;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        std::mt19937_64 random(seed);
        std::normal_distribution<double> shock(0, 0.1);
        std::vector<SeriesPoint> points;
        double noise = shock(random) / 0.8;
        for (std::uint32_t k = 0; k < 360; ++k) {
            const double time = 1990 + (k + 0.5) / 12;
            points.push_back({time, 1990 + k / 12, k % 12 + 1, 0.02 * (time - 1990) + noise});
            noise = 0.6 * noise + shock(random);
        }
        const TrendFit fit = TrendFit::of(points, 0, 3000);
        ASSERT_TRUE(fit.valid && fit.hasInterval);
        inside += std::fabs(fit.slopePerDecade - 0.2) <= fit.halfWidth95;
    }
    RecordProperty("coverage", inside);
    EXPECT_GE(inside, 930);
}

TEST(TrendFit, GapsAndPointsOutsideTheSpanAreLeftOut) {
    std::vector<SeriesPoint> points;
    for (std::uint32_t year = 1950; year < 2000; ++year) {
        const bool gap = year % 3 == 0, outside = year >= 1990;
        const double value = gap ? NAN : outside ? 99 : 0.3 + 0.015 * (year - 1950);
        points.push_back({year + 0.5, year, 0, value});
    }
    const TrendFit fit = TrendFit::of(points, 1950, 1990);
    EXPECT_NEAR(fit.slopePerDecade, 0.15, 1e-12);
    EXPECT_EQ(fit.count, 26u);
    EXPECT_NEAR(fit.at(1960.5), 0.45, 1e-12);
    EXPECT_EQ(fit.text(), "+0,15 °C/Jahrzehnt (±0,00)");
    EXPECT_FALSE(TrendFit::of(points, 1950, 1952).valid);
}

}  // namespace
