#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "grid/tests/DatasetFiles.h"
#include "grid/tests/NetcdfFiles.h"
#include "positions/PositionList.h"
#include "series/SeriesEngine.h"
#include "tests/app/support/StepProgress.h"
#include "tests/support/Places.h"

// Six years of a field from January 1850 with gaps: single cells, the southern half in every
// seventh month, the Arctic before 1852. Values are eighths, exact in text and in floats.
inline constexpr int SERIES_MONTHS = 72;

inline std::optional<double> seriesField(int k, int row, int column) {
    const unsigned hash = static_cast<unsigned>(k * 7919 + row * 104729 + column * 1299709) % 977;
    if (hash % 5 == 0 || (k % 7 == 0 && row >= 18) || (k < 24 && row < 5)) {
        return std::nullopt;
    }
    return (static_cast<int>(hash % 64) - 32) * 0.125 + 0.125 * (k / 12) * (row % 3);
}

// The area of a row of cells between its edges, as the cells' sines give it.
inline double rowArea(int row) {
    const double toRadians = std::acos(-1.0) / 180;
    return std::sin((90 - 5.0 * row) * toRadians) - std::sin((85 - 5.0 * row) * toRadians);
}

// The field as a text file and as netCDF, in a folder of their own.
struct SeriesFiles {
    TemporaryDirectory folder;
    std::string text = folder.file("grid.dat");
    std::string netcdf = folder.file("grid.nc");

    SeriesFiles() {
        folder.write("grid.dat", makeBlocks(HADCRUT3_LAYOUT, SERIES_MONTHS, [](int k) {
                         return [k](int row, int column) { return seriesField(k, row, column); };
                     }));
        writeNetcdf(netcdf, {.months = SERIES_MONTHS}, seriesField);
    }
};

// Every month of the six years for the regions of the command line's words.
inline SeriesRequest requestOf(const std::vector<std::string>& words, double threshold = 0,
                               std::optional<YearSpan> baseline = std::nullopt) {
    SeriesRequest request;
    request.fromYear = 1850;
    request.toYear = 1855;
    request.thresholdPercent = threshold;
    request.baseline = baseline;
    for (const std::string& word : words) {
        request.regions.push_back(SeriesRegion::parse(word));
    }
    return request;
}

inline std::vector<Series> seriesOf(const std::string& file, const SeriesRequest& request,
                                    const PositionList& positions = {}) {
    SeriesEngine engine({1, ZString(file)});
    StepProgress progress;
    return engine.compute(request, positions, progress);
}

// NaN (a gap) must meet NaN.
inline void expectSame(double expected, double actual, double tolerance, const std::string& where) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << where;
    } else {
        EXPECT_NEAR(expected, actual, tolerance) << where;
    }
}
