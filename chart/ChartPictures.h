#pragma once

#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "chart/SeriesChart.h"

enum class ChartFormat { Png, Svg };

// The picture format a file name's extension asks for (".png", ".svg", any case).
std::optional<ChartFormat> chartFormatOf(const std::string& name);

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
