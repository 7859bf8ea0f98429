#include "chart/SeriesChart.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/ChartTexts.h"

namespace {

// Ten colours that stay apart on white and for most colour-blind eyes.
constexpr std::array<unsigned, 10> COLOURS{0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7, 0xE69F00,
                                           0x56B4E9, 0x000000, 0x8C564B, 0x7F7F7F, 0xBCBD22};

QColor colourOf(std::size_t index) {
    return QColor(QRgb(seriesColour(index)));
}

// Only the first part of a series keeps its legend entry: one entry per region.
void hideFromLegend(QChart& chart, QAbstractSeries* part) {
    for (QLegendMarker* marker : chart.legend()->markers(part)) {
        marker->setVisible(false);
    }
}

// The series as lines over its unbroken runs; a value between two gaps is a dot, since a line
// of one point draws nothing.
void addRuns(QChart& chart, const Series& series, const QColor& colour, QValueAxis& x,
             QValueAxis& y, bool& first) {
    QPen pen(colour, 1.5);
    auto* dots = new QScatterSeries;
    dots->setColor(colour);
    dots->setBorderColor(colour);
    dots->setMarkerSize(4);
    QList<QPointF> run;
    auto attach = [&](QAbstractSeries* part) {
        part->setName(QString::fromStdString(series.label));
        chart.addSeries(part);
        part->attachAxis(&x);
        part->attachAxis(&y);
        if (!first) {
            hideFromLegend(chart, part);
        }
        first = false;
    };
    auto endRun = [&]() {
        if (run.size() == 1) {
            dots->append(run.front());
        } else if (run.size() > 1) {
            auto* line = new QLineSeries;
            line->setPen(pen);
            line->replace(run);
            attach(line);
        }
        run.clear();
    };
    for (const SeriesPoint& point : series.points) {
        if (std::isnan(point.value)) {
            endRun();
        } else {
            run.append(QPointF(point.time, point.value));
        }
    }
    endRun();
    // A series without a single value keeps its legend entry, so it is seen to be empty.
    if (dots->count() > 0 || first) {
        attach(dots);
    } else {
        delete dots;
    }
}

}  // namespace

unsigned seriesColour(std::size_t index) {
    return COLOURS[index % COLOURS.size()];
}

std::vector<TrendFit> fillSeriesChart(QChart& chart, const std::vector<Series>& series,
                                      TrendSpan trend) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    chart.setLocale(german);
    chart.setLocalizeNumbers(true);
    // Under the plot the legend has the chart's whole width for the regions' long names.
    chart.legend()->setAlignment(Qt::AlignBottom);

    auto* x = new QValueAxis;
    x->setTitleText(QString::fromStdString(chartText(ChartText::YearAxis)));
    x->setLabelFormat("%.0f");
    auto* y = new QValueAxis;
    y->setTitleText(QString::fromStdString(chartText(ChartText::ValueAxis)));
    y->setLabelFormat("%.1f");
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);

    std::vector<TrendFit> fits;
    double first = INFINITY, last = -INFINITY, low = INFINITY, high = -INFINITY;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const Series& one = series[i];
        QColor colour = colourOf(i);
        bool firstPart = true;
        addRuns(chart, one, colour, *x, *y, firstPart);
        for (const SeriesPoint& point : one.points) {
            first = std::min(first, point.time);
            last = std::max(last, point.time);
            if (!std::isnan(point.value)) {
                low = std::min(low, point.value);
                high = std::max(high, point.value);
            }
        }
        fits.push_back(TrendFit::of(one.points, trend.from, trend.to));
        const TrendFit& fit = fits.back();
        if (fit.valid) {
            // The line spans the values it was fitted to, not years without any.
            double start = trend.to, end = trend.from;
            for (const SeriesPoint& point : one.points) {
                if (!std::isnan(point.value) && point.time >= trend.from &&
                    point.time <= trend.to) {
                    start = std::min(start, point.time);
                    end = std::max(end, point.time);
                }
            }
            auto* line = new QLineSeries;
            line->setPen(QPen(colour.darker(130), 2, Qt::DashLine));
            line->append(start, fit.at(start));
            line->append(end, fit.at(end));
            line->setName(QString::fromStdString(one.label));
            chart.addSeries(line);
            line->attachAxis(x);
            line->attachAxis(y);
            hideFromLegend(chart, line);
        }
    }
    if (first <= last) {
        x->setRange(std::floor(first), std::ceil(last));
        x->applyNiceNumbers();
    }
    if (low <= high) {
        double margin = std::max(0.1, (high - low) * 0.05);
        y->setRange(low - margin, high + margin);
        y->applyNiceNumbers();
    }
    return fits;
}

std::string trendSummary(const std::vector<Series>& series, const std::vector<TrendFit>& fits) {
    std::string text;
    for (std::size_t i = 0; i < series.size() && i < fits.size(); ++i) {
        if (!text.empty()) {
            text += '\n';
        }
        text += series[i].label + ": ";
        text += fits[i].valid ? fits[i].text() : chartText(ChartText::NoTrend);
    }
    return text;
}
