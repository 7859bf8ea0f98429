#pragma once

#include <string>
#include <vector>

#include "series/Series.h"
#include "series/TrendFit.h"

class QChart;

// The span a trend is fitted over, in decimal years (both ends inclusive).
struct TrendSpan {
    double from = 0;
    double to = 0;
};

// Fills the chart with the series, one colour and legend entry each, and the trend line of
// each over the span; what it held before goes. A gap ends a line and the next value starts a
// new one, so a run of missing months never looks like a slope. Returns the fits in the
// series' order.
std::vector<TrendFit> fillSeriesChart(QChart& chart, const std::vector<Series>& series,
                                      TrendSpan trend);

// One line per series under the chart: "label: +0,19 °C/Jahrzehnt (±0,03)", or that it has
// too few values for a trend.
std::string trendSummary(const std::vector<Series>& series, const std::vector<TrendFit>& fits);

// The colour of the series at this place in the chart (0xRRGGBB), told apart on white.
unsigned seriesColour(std::size_t index);
