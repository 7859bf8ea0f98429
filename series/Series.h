#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "series/SeriesRegion.h"

struct SeriesPoint {
    double time = 0;  // decimal year: year + (month - 0.5) / 12; annual means year + 0.5
    std::uint32_t year = 0;
    std::uint32_t month = 0;  // 0 for an annual mean
    double value = 0;         // NaN: a gap (too little of the region had data)
};

// One region's values over the request's span, one point per month or year.
struct Series {
    SeriesRegion region;
    std::string label;  // region.label()
    std::vector<SeriesPoint> points;
};
