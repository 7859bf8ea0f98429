#include "chart/ChartPictures.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <functional>

#include "chart/ChartTexts.h"
#include "chart/WarmingStripes.h"
#include "toolkit/ZReplacedFile.h"

namespace {

using Paint = std::function<void(QPainter&)>;

// The picture in memory first, so that only a whole file ever reaches the disk.
QByteArray encode(ChartFormat format, QSize size, const std::string& title, const Paint& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ChartFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QString::fromStdString(title));
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paint(painter);
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            paint(painter);
        }
        image.save(&buffer, "PNG");
    }
    return bytes;
}

void save(const std::string& path, const QByteArray& bytes) {
    ZReplacedFile file{ZString(path)};
    file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    file.commit();
}

}  // namespace

std::optional<ChartFormat> chartFormatOf(const std::string& name) {
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return std::nullopt;
    }
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png") {
        return ChartFormat::Png;
    }
    if (extension == "svg") {
        return ChartFormat::Svg;
    }
    return std::nullopt;
}

std::string chartTitle(const std::string& dataset, const std::optional<YearSpan>& baseline) {
    if (!baseline) {
        return dataset;
    }
    return dataset + " – " + chartText(ChartText::Baseline) + " " +
           std::to_string(baseline->first) + "–" + std::to_string(baseline->last);
}

void writeChartPicture(const std::string& path, ChartFormat format,
                       const std::vector<Series>& series, TrendSpan trend,
                       const std::string& title) {
    const QSize size = CHART_PICTURE_SIZE;
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    chart->setTitle(QString::fromStdString(title));
    std::vector<TrendFit> fits = fillSeriesChart(*chart, series, trend);
    QString summary = QString::fromStdString(trendSummary(series, fits));

    QFont font;
    font.setPointSize(10);
    const int lineHeight = QFontMetrics(font).lineSpacing();
    const int textHeight = lineHeight * static_cast<int>(series.size()) + lineHeight;
    const QRect chartArea(0, 0, size.width(), size.height() - textHeight);
    chart->setGeometry(chartArea);
    scene.setSceneRect(chartArea);
    QByteArray bytes = encode(format, size, title, [&](QPainter& painter) {
        scene.render(&painter, chartArea, chartArea);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(20, chartArea.bottom(), size.width() - 40, textHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, summary);
    });
    save(path, bytes);
}

void writeStripesPicture(const std::string& path, ChartFormat format, const Series& series) {
    const QSize size = STRIPES_PICTURE_SIZE;
    QByteArray bytes = encode(format, size, series.label, [&](QPainter& painter) {
        paintStripes(painter, QRect(QPoint(0, 0), size), series);
    });
    save(path, bytes);
}
