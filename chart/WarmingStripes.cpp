#include "chart/WarmingStripes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "series/StripeColours.h"

void paintStripes(QPainter& painter, const QRect& area, const Series& series) {
    const std::vector<SeriesPoint>& points = series.points;
    if (points.empty()) {
        return;
    }
    double limit = 0.1;
    for (const SeriesPoint& point : points) {
        if (!std::isnan(point.value)) {
            limit = std::max(limit, std::fabs(point.value));
        }
    }
    // Edges rounded from the exact share, so stripes meet without seams or overlaps.
    const double width = static_cast<double>(area.width()) / static_cast<double>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        int left = area.left() + static_cast<int>(std::lround(width * static_cast<double>(i)));
        int right = area.left() + static_cast<int>(std::lround(width * static_cast<double>(i + 1)));
        QColor colour(QRgb(stripeColour(points[i].value, limit)));
        painter.fillRect(QRect(left, area.top(), right - left, area.height()), colour);
    }
}

void WarmingStripes::setSeries(const Series& series) {
    series_ = series;
    update();
}

void WarmingStripes::clear() {
    series_ = Series();
    update();
}

void WarmingStripes::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintStripes(painter, rect(), series_);
}
