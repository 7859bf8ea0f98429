#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "series/SeriesTable.h"
#include "series/StudentT.h"
#include "series/TrendFit.h"

namespace {

// Thirty years of months: a known slope under AR(1) noise.
std::vector<SeriesPoint> ar1Series(std::uint64_t seed, double slopePerYear, double phi) {
    std::mt19937_64 random(seed);
    std::normal_distribution<double> shock(0, 0.1);
    std::vector<SeriesPoint> points;
    double noise = shock(random) / std::sqrt(1 - phi * phi);
    for (std::uint32_t k = 0; k < 360; ++k) {
        const double time = 1990 + (k + 0.5) / 12;
        points.push_back({time, 1990 + k / 12, k % 12 + 1, slopePerYear * (time - 1990) + noise});
        noise = phi * noise + shock(random);
    }
    return points;
}

TEST(TrendFit, IntervalHoldsTheTrueSlopeInAtLeast93PercentOfAr1Runs) {
    int inside = 0;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        const TrendFit fit = TrendFit::of(ar1Series(seed, 0.02, 0.6), 0, 3000);
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

TEST(TrendFit, StudentQuantilesMatchTheirTables) {
    for (auto [degrees, quantile] :
         {std::pair{1.0, 12.7062047}, {2.0, 4.3026527}, {10.0, 2.2281389}, {100.0, 1.9839715}}) {
        EXPECT_NEAR(studentTQuantile(0.975, degrees), quantile, 1e-6) << degrees;
    }
}

TEST(SeriesTable, HeadColumnsDecimalCommasAndEmptyGaps) {
    std::vector<Series> series(2);
    series[0].label = "Nordhalbkugel";
    series[0].points = {{1850.5, 1850, 0, 0.25}, {1851.5, 1851, 0, NAN}};
    series[1].label = "Arktis";
    series[1].points = {{1850.5, 1850, 0, -1.5}, {1851.5, 1851, 0, 2}};
    EXPECT_EQ(seriesTable(series, {"grid.dat", "1961-1990", 50}),
              "Datenbank: grid.dat\nBezugszeitraum: 1961-1990\nMindestanteil mit Daten: 50 %\n"
              "Leeres Feld: zu wenig Daten\nJahr;Nordhalbkugel;Arktis\n"
              "1850;0,250000;-1,500000\n1851;;2,000000\n");
}

}  // namespace
