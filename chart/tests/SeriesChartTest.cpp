#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <cmath>

#include "chart/SeriesChart.h"

namespace {

Series seriesOf(const std::vector<double>& values) {
    Series series;
    series.label = "Reihe";
    for (std::size_t i = 0; i < values.size(); ++i) {
        series.points.push_back(SeriesPoint{1900.5 + static_cast<double>(i),
                                            static_cast<std::uint32_t>(1900 + i), 0, values[i]});
    }
    return series;
}

// Gaps break the line instead of bridging it, a lone value between gaps is a dot, and the
// pieces and the trend line share the series' one legend entry.
TEST(SeriesChartTest, GapsBreakTheLineUnderOneLegendEntry) {
    int argc = 1;
    char name[] = "chart_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QGraphicsScene scene;
    auto* shown = new QChart;
    scene.addItem(shown);
    QChart& chart = *shown;
    const double gap = NAN;
    std::vector<TrendFit> fits = fillSeriesChart(
        chart, {seriesOf({0.1, 0.2, gap, 0.3, gap, 0.4, 0.5, 0.7})}, TrendSpan{1900, 1908});
    int lines = 0, dots = 0, legend = 0;
    for (QAbstractSeries* part : chart.series()) {
        if (auto* line = qobject_cast<QLineSeries*>(part);
            line && part->type() == QAbstractSeries::SeriesTypeLine) {
            lines += line->count() > 2 || line->pen().style() == Qt::SolidLine;
        }
        dots += part->type() == QAbstractSeries::SeriesTypeScatter;
    }
    // Markers take their visibility at the legend's next layout.
    chart.resize(800, 500);
    QApplication::processEvents();
    for (QLegendMarker* marker : chart.legend()->markers()) {
        legend += marker->isVisible();
    }
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(dots, 1);
    EXPECT_EQ(legend, 1);
    ASSERT_TRUE(fits.at(0).valid);
    EXPECT_EQ(fits[0].count, 6u);
}

}  // namespace
