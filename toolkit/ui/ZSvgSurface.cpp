#include "toolkit/ui/ZSvgSurface.h"

#include <QFontMetrics>
#include <QImage>
#include <QTransform>
#include <algorithm>

#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZQtColour.h"
#include "toolkit/ui/ZRasterSurface.h"
#include "toolkit/ui/ZStretchedPart.h"

namespace {

QRectF toQRectF(const ZRect& rect) {
    return QRectF(rect.left, rect.top, rect.width(), rect.height());
}

// The middle of a pixel, where a one-pixel line through it runs.
QPointF centreOf(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

}  // namespace

ZSvgSurface::ZSvgSurface(int width, int height, const QString& title) {
    generator_.setOutputDevice(&buffer_);
    generator_.setSize(QSize(width, height));
    generator_.setViewBox(QRect(0, 0, width, height));
    generator_.setTitle(title);
    // A pixel of the raster picture is a pixel of a 96-dpi screen.
    generator_.setResolution(96);
    painter_.emplace(&generator_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    font_ = painter_->font();
}

ZSvgSurface::~ZSvgSurface() {
    finish();
}

QByteArray ZSvgSurface::finish() {
    if (painter_) {
        flushLine();
        painter_->end();
        painter_.reset();
    }
    return bytes_;
}

void ZSvgSurface::flushLine() {
    if (line_.size() < 2) {
        line_.clear();
        return;
    }
    // Thin lines keep square ends, as the pixels of the raster line do; wide ones are round.
    Qt::PenCapStyle cap = penWidth_ <= 1 ? Qt::SquareCap : Qt::RoundCap;
    painter_->setPen(QPen(penColour_, penWidth_, Qt::SolidLine, cap, Qt::RoundJoin));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPolyline(line_);
    line_.clear();
}

void ZSvgSurface::selectPen(ZColour colour, int width) {
    flushLine();
    penColour_ = toQColor(colour);
    penWidth_ = std::max(1, width);
}

void ZSvgSurface::selectFont(const ZFont& font) {
    font_ = ZRasterSurface::toQFont(font);
}

void ZSvgSurface::moveTo(int x, int y) {
    QPointF to = centreOf(x, y);
    if (!line_.isEmpty() && line_.last() != to) {
        flushLine();
    }
    current_ = to;
}

void ZSvgSurface::lineTo(int x, int y) {
    if (line_.isEmpty()) {
        line_ << current_;
    }
    current_ = centreOf(x, y);
    line_ << current_;
}

void ZSvgSurface::fillRect(const ZRect& rect, ZColour colour) {
    flushLine();
    if (rect.width() > 0 && rect.height() > 0) {
        painter_->fillRect(toQRectF(rect), toQColor(colour));
    }
}

void ZSvgSurface::setPixel(int x, int y, ZColour colour) {
    fillRect(ZRect{x, y, x + 1, y + 1}, colour);
}

void ZSvgSurface::drawPixels(int x, int y, int width, int height, const std::uint32_t* rgb,
                             const std::uint8_t* mask) {
    flushLine();
    if (width <= 0 || height <= 0) {
        return;
    }
    QImage block(width, height, QImage::Format_ARGB32);
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(block.scanLine(row));
        for (int column = 0; column < width; ++column) {
            std::size_t i = static_cast<std::size_t>(row) * width + column;
            bool drawn = mask == nullptr || mask[i] != 0;
            line[column] = drawn ? (0xFF000000u | (rgb[i] & 0x00FFFFFFu)) : 0u;
        }
    }
    painter_->drawImage(QPointF(x, y), block);
}

void ZSvgSurface::drawText(const ZString& text, const ZRect& rect, unsigned flags) {
    flushLine();
    QString line = QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.length()));
    QFontMetrics metrics(font_);
    int width = metrics.horizontalAdvance(line);
    int height = metrics.ascent() + metrics.descent();
    const ZRect box = zTextBox(rect, flags, width, height);
    // Black on a white box behind the text, as on the raster picture.
    painter_->fillRect(QRectF(box.left, box.top, width, height), Qt::white);
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    painter_->drawText(QPointF(box.left, box.top + metrics.ascent()), line);
}

void ZSvgSurface::setIsotropicMapping(int windowWidth, int windowHeight, int viewportWidth,
                                      int viewportHeight) {
    flushLine();
    if (windowWidth == 0 || windowHeight == 0) {
        return;
    }
    double scale = std::min(static_cast<double>(viewportWidth) / windowWidth,
                            static_cast<double>(viewportHeight) / windowHeight);
    painter_->setWorldTransform(QTransform::fromScale(scale, scale));
}

void ZSvgSurface::resetMapping() {
    flushLine();
    painter_->resetTransform();
}

// Only the part of the source inside the bitmap is embedded, at the scale the whole source
// rectangle would have.
void ZSvgSurface::stretchBitmap(const ZBitmap& bitmap, const ZRect& source, const ZRect& dest) {
    flushLine();
    if (bitmap.isEmpty() || source.width() <= 0 || source.height() <= 0) {
        return;
    }
    const ZStretchedPart part = stretchedPart(bitmap.image(), source, dest);
    if (part.source.isEmpty()) {
        return;
    }
    painter_->drawImage(part.target, bitmap.image().copy(part.source));
}

void ZSvgSurface::copyBitmap(const ZBitmap& bitmap, const ZRect& rect) {
    flushLine();
    QRect area =
        QRect(rect.left, rect.top, rect.width(), rect.height()).intersected(bitmap.image().rect());
    if (!bitmap.isEmpty() && !area.isEmpty()) {
        painter_->drawImage(area.topLeft(), bitmap.image().copy(area));
    }
}

void ZSvgSurface::fillTranslucent(const ZRect& rect, ZArgb colour) {
    flushLine();
    if (rect.width() > 0 && rect.height() > 0) {
        painter_->fillRect(toQRectF(rect), argbToQColor(colour));
    }
}

void ZSvgSurface::drawEllipse(const ZRect& box, ZArgb colour, double penWidth) {
    flushLine();
    painter_->setPen(QPen(argbToQColor(colour), penWidth));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawEllipse(QRectF(box.left + 0.5, box.top + 0.5, box.width(), box.height()));
}
