#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "series/Series.h"

// The least-squares line through a series' points, with a 95 % interval for its slope that is
// widened for the residuals' lag-1 autocorrelation (fewer independent values than points).
struct TrendFit {
    bool valid = false;         // fewer than 3 points (or no spread in time): no trend
    double slopePerDecade = 0;  // °C per decade, least squares over the points with values
    double halfWidth95 =
        0;  // ± of the 95 % interval, adjusted for lag-1 autocorrelation of the residuals
    double intercept = 0;       // value at time 0 (decimal years)
    double lag1 = 0;            // lag-1 autocorrelation of the residuals
    double effectiveCount = 0;  // n (1 - r1) / (1 + r1)
    std::size_t count = 0;      // points used
    // False when the effective count is 2 or less: a slope, but too few independent values for
    // an interval (halfWidth95 is then NaN).
    bool hasInterval = false;

    static TrendFit of(const std::vector<SeriesPoint>& points, double fromTime, double toTime);
    double at(double time) const;
    // "+0,19 °C/Jahrzehnt (±0,03)"; German decimal comma, sign always shown.
    std::string text() const;
};
