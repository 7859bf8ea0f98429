#pragma once

#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "chart/SeriesChart.h"
#include "grid/YearSpan.h"

enum class ChartFormat { Png, Svg };

// The picture format a file name's extension asks for (".png", ".svg", any case).
std::optional<ChartFormat> chartFormatOf(const std::string& name);

// The title of a saved chart: the dataset's file name, and the baseline when one is chosen
// ("hadcrut4.dat – Bezugszeitraum: 1961–1990").
std::string chartTitle(const std::string& dataset, const std::optional<YearSpan>& baseline);

// The size of the saved chart and stripes, whatever the window's size.
inline constexpr QSize CHART_PICTURE_SIZE{1200, 700};
inline constexpr QSize STRIPES_PICTURE_SIZE{1200, 300};

// The chart with its trends and, under it, the trend line per series, as PNG or SVG; through
// ZReplacedFile, so a file that cannot be written raises ZException "\"name\": reason" and the
// old file stays.
void writeChartPicture(const std::string& path, ChartFormat format,
                       const std::vector<Series>& series, TrendSpan trend,
                       const std::string& title);
// The stripes of the series' annual means alone.
void writeStripesPicture(const std::string& path, ChartFormat format, const Series& series);
