#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grid/YearSpan.h"
#include "series/SeriesRegion.h"

enum class SeriesStep { EveryMonth, OneMonthOfYear, AnnualMeans };

// What the series window or the command line asks for: regions, span, step, baseline, threshold.
struct SeriesRequest {
    std::vector<SeriesRegion> regions;
    std::uint32_t fromYear = 1850, toYear = 2025;
    SeriesStep step = SeriesStep::EveryMonth;
    std::uint32_t month = 1;           // for OneMonthOfYear, 1..12
    std::optional<YearSpan> baseline;  // none: the anomalies as in the file
    double thresholdPercent =
        50;  // region share with data (months) / share of a year's months (annual)
    // Empty when fine, else a German message (from > to, threshold outside 0..100, ...).
    std::string problem() const;
};
