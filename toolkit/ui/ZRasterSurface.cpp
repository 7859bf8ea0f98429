#include "toolkit/ui/ZRasterSurface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPolygon>
#include <QRgba64>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZLineLayer.h"
#include "toolkit/ui/ZQtColour.h"
#include "toolkit/ui/ZStretchedPart.h"
#include "toolkit/ui/ZThinLine.h"

namespace {

QRect toQRect(const ZRect& rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

// Each of the four bytes times a / 255, rounded as the painter's blending rounds.
inline std::uint32_t byteMul(std::uint32_t x, std::uint32_t a) {
    std::uint32_t t = (x & 0xFF00FFu) * a;
    t = ((t + ((t >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    x = ((x >> 8) & 0xFF00FFu) * a;
    x = (x + ((x >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return x | t;
}

// A premultiplied colour over a row of premultiplied pixels, source over: each byte becomes the
// colour's plus the pixel's times (255 - alpha) / 255. The sums never carry from one byte into
// the next, since a premultiplied byte is at most its alpha.
void blendRow(std::uint32_t* pixels, int count, std::uint32_t colour) {
    std::uint32_t rest = 255 - (colour >> 24);
    int i = 0;
#if defined(__SSE2__)
    const __m128i add = _mm_set1_epi32(static_cast<int>(colour));
    const __m128i factor = _mm_set1_epi16(static_cast<short>(rest));
    const __m128i half = _mm_set1_epi16(0x80);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 4 <= count; i += 4) {
        __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i));
        __m128i low = _mm_mullo_epi16(_mm_unpacklo_epi8(p, zero), factor);
        __m128i high = _mm_mullo_epi16(_mm_unpackhi_epi8(p, zero), factor);
        low = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(low, _mm_srli_epi16(low, 8)), half), 8);
        high = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(high, _mm_srli_epi16(high, 8)), half), 8);
        p = _mm_add_epi8(_mm_packus_epi16(low, high), add);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), p);
    }
#endif
    for (; i < count; ++i) {
        pixels[i] = colour + byteMul(pixels[i], rest);
    }
}

// A mapped coordinate as the painter rounds it; beyond any picture it only has to stay defined.
std::int64_t devicePixel(double value) {
    constexpr double INT_LIMIT = 2147483647.0;
    constexpr double FAR = 1099511627776.0;
    if (std::abs(value) < INT_LIMIT) {
        return qRound(value);
    }
    return std::llround(std::clamp(value, -FAR, FAR));
}

// Faces the layout was made for and their metric twins, which draw texts at the same widths.
QString metricTwin(std::string_view face) {
    // The dialog faces are near enough to Arial in their widths.
    if (face == "Arial" || face == "MS Shell Dlg" || face == "Microsoft Sans Serif") {
        return QStringLiteral("Liberation Sans");
    }
    if (face == "Times New Roman") {
        return QStringLiteral("Liberation Serif");
    }
    if (face == "Courier New") {
        return QStringLiteral("Liberation Mono");
    }
    return {};
}

}  // namespace

ZRasterSurface::ZRasterSurface(QImage& image)
    : image_(&image), ownPainter_(std::in_place, &image), painter_(*ownPainter_) {
    setUp();
    area_ = image.rect();
}

ZRasterSurface::ZRasterSurface(QPainter& painter, const QRect& area) : painter_(painter) {
    setUp();
    if (const QPaintDevice* device = painter_.device()) {
        area_ = area.intersected(QRect(0, 0, device->width(), device->height()));
    }
}

ZRasterSurface::~ZRasterSurface() {
    flushLines();
}

void ZRasterSurface::setUp() {
    // Shapes keep hard pixel edges; only the two anti-aliased calls switch smoothing on.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrush(Qt::NoBrush);
    font_ = painter_.font();
}

QFont ZRasterSurface::toQFont(const ZFont& font) {
    QFont result;
    QStringList families;
    QString twin = metricTwin(font.face().view());
    if (!twin.isEmpty()) {
        families << twin;
    }
    families << QString::fromUtf8(font.face().c_str());
    result.setFamilies(families);
    // The size is in points: a 96-dpi screen makes a size-12 font 16 pixels high, and that
    // character height is what the layout was made for.
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size() * 96.0 / 72.0))));
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight(), 1, 1000)));
    result.setKerning(false);
    return result;
}

void ZRasterSurface::selectPen(ZColour colour, int width) {
    flushLines();
    penColour_ = toQColor(colour);
    penWidth_ = std::max(1, width);
}

void ZRasterSurface::selectFont(const ZFont& font) {
    font_ = toQFont(font);
}

void ZRasterSurface::moveTo(int x, int y) {
    current_ = QPoint(x, y);
}

void ZRasterSurface::lineTo(int x, int y) {
    QPoint to(x, y);
    if (penWidth_ <= 1) {
        drawThinLine(current_, to);
    } else {
        flushLines();
        drawWideLine(current_, to);
    }
    current_ = to;
}

// One pixel per step along the longer axis, from the start up to but not including the end,
// so that polylines never set a shared vertex twice. A mapping moves the end points, never the
// width of the line.
void ZRasterSurface::drawThinLine(QPoint from, QPoint to) {
    const QTransform& transform = painter_.worldTransform();
    ZLinePixel start{from.x(), from.y()};
    ZLinePixel end{to.x(), to.y()};
    if (!transform.isIdentity()) {
        QPointF a = transform.map(QPointF(from));
        QPointF b = transform.map(QPointF(to));
        start = ZLinePixel{devicePixel(a.x()), devicePixel(a.y())};
        end = ZLinePixel{devicePixel(b.x()), devicePixel(b.y())};
    }
    appendThinLine(pendingPoints_, start, end, area_);
}

// Wide pens are shapes with round ends, end point included. A line reaching far beyond the
// surface is cut where its ends no longer touch it.
void ZRasterSurface::drawWideLine(QPoint from, QPoint to) {
    painter_.setPen(QPen(penColour_, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF area = logicalArea(2).adjusted(-penWidth_, -penWidth_, penWidth_, penWidth_);
    if (area.contains(from) && area.contains(to)) {
        painter_.drawLine(from, to);
        return;
    }
    // The part of the segment inside the area, by its parameters along the segment.
    const QPointF start(from);
    const QPointF delta = QPointF(to) - start;
    double enter = 0;
    double leave = 1;
    const double towards[] = {-delta.x(), delta.x(), -delta.y(), delta.y()};
    const double room[] = {start.x() - area.left(), area.right() - start.x(),
                           start.y() - area.top(), area.bottom() - start.y()};
    for (int side = 0; side < 4; ++side) {
        if (towards[side] == 0) {
            if (room[side] < 0) {
                return;
            }
            continue;
        }
        double at = room[side] / towards[side];
        if (towards[side] < 0) {
            enter = std::max(enter, at);
        } else {
            leave = std::min(leave, at);
        }
    }
    if (enter <= leave) {
        painter_.drawLine(QLineF(start + enter * delta, start + leave * delta));
    }
}

// One call for many short lines: polylines of thousands of points are common.
void ZRasterSurface::flushLines() {
    if (pendingPoints_.isEmpty()) {
        return;
    }
    painter_.save();
    painter_.resetTransform();
    painter_.setPen(QPen(penColour_, 0));
    painter_.drawPoints(pendingPoints_);
    painter_.restore();
    pendingPoints_.clear();
}

QRectF ZRasterSurface::logicalArea(double margin) const {
    QRectF device = QRectF(area_).adjusted(-margin, -margin, margin, margin);
    const QTransform& transform = painter_.worldTransform();
    if (transform.isIdentity()) {
        return device;
    }
    bool invertible = false;
    QTransform back = transform.inverted(&invertible);
    return invertible ? back.mapRect(device) : QRectF();
}

QRect ZRasterSurface::visiblePart(const ZRect& rect) const {
    const QRectF area = logicalArea(2);
    if (area.isEmpty()) {
        return QRect();
    }
    auto edge = [](double value) {
        return static_cast<std::int64_t>(std::clamp(value, -2147483648.0, 2147483647.0));
    };
    std::int64_t left = std::max<std::int64_t>(rect.left, edge(std::floor(area.left())));
    std::int64_t top = std::max<std::int64_t>(rect.top, edge(std::floor(area.top())));
    std::int64_t right = std::min<std::int64_t>(rect.right, edge(std::ceil(area.right())));
    std::int64_t bottom = std::min<std::int64_t>(rect.bottom, edge(std::ceil(area.bottom())));
    if (left >= right || top >= bottom) {
        return QRect();
    }
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

void ZRasterSurface::fillRect(const ZRect& rect, ZColour colour) {
    flushLines();
    QRect visible = visiblePart(rect);
    if (!visible.isEmpty()) {
        painter_.fillRect(visible, toQColor(colour));
    }
}

void ZRasterSurface::setPixel(int x, int y, ZColour colour) {
    flushLines();
    painter_.fillRect(QRect(x, y, 1, 1), toQColor(colour));
}

void ZRasterSurface::drawPixels(int x, int y, int width, int height, const std::uint32_t* rgb,
                                const std::uint8_t* mask) {
    flushLines();
    if (width <= 0 || height <= 0) {
        return;
    }
    // Only the part of the block that can reach the surface is converted.
    auto end = [](int start, int length) {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t{start} + length, INT32_MAX));
    };
    const QRect visible = visiblePart(ZRect{x, y, end(x, width), end(y, height)});
    if (visible.isEmpty()) {
        return;
    }
    QImage block(visible.width(), visible.height(), QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < visible.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(block.scanLine(row));
        std::size_t offset =
            static_cast<std::size_t>(visible.top() - y + row) * static_cast<std::size_t>(width) +
            static_cast<std::size_t>(visible.left() - x);
        for (int column = 0; column < visible.width(); ++column) {
            std::size_t i = offset + static_cast<std::size_t>(column);
            bool drawn = mask == nullptr || mask[i] != 0;
            line[column] = drawn ? (0xFF000000u | (rgb[i] & 0x00FFFFFFu)) : 0u;
        }
    }
    painter_.drawImage(visible.topLeft(), block);
}

void ZRasterSurface::drawText(const ZString& text, const ZRect& rect, unsigned flags) {
    flushLines();
    QString line = QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.length()));
    painter_.setFont(font_);
    QFontMetrics metrics = painter_.fontMetrics();
    int width = metrics.horizontalAdvance(line);
    int height = metrics.ascent() + metrics.descent();

    const ZRect box = zTextBox(rect, flags, width, height);
    const int x = box.left;
    const int y = box.top;

    // Black on an opaque white cell behind the text only, all of it cut at the rectangle.
    QRect clip = toQRect(rect);
    painter_.save();
    painter_.setClipRect(clip, Qt::IntersectClip);
    painter_.fillRect(QRect(x, y, width, height), Qt::white);
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + metrics.ascent()), line);
    painter_.restore();
}

// The logical window keeps its proportions: the smaller of the two ratios scales both axes.
void ZRasterSurface::setIsotropicMapping(int windowWidth, int windowHeight, int viewportWidth,
                                         int viewportHeight) {
    if (windowWidth == 0 || windowHeight == 0) {
        return;
    }
    double scale = std::min(static_cast<double>(viewportWidth) / windowWidth,
                            static_cast<double>(viewportHeight) / windowHeight);
    painter_.setWorldTransform(QTransform::fromScale(scale, scale));
}

void ZRasterSurface::resetMapping() {
    painter_.resetTransform();
}

// Only the part of the source that lies inside the picture is drawn, at the scale the whole
// source rectangle would have; the rest of the destination keeps what it had.
void ZRasterSurface::stretchBitmap(const ZBitmap& bitmap, const ZRect& source, const ZRect& dest) {
    flushLines();
    if (bitmap.isEmpty() || source.width() <= 0 || source.height() <= 0) {
        return;
    }
    const ZStretchedPart part = stretchedPart(bitmap.image(), source, dest);
    if (part.source.isEmpty()) {
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(part.target, bitmap.image(), QRectF(part.source));
    painter_.restore();
}

void ZRasterSurface::copyBitmap(const ZBitmap& bitmap, const ZRect& rect) {
    flushLines();
    if (bitmap.isEmpty()) {
        return;
    }
    QRect area = toQRect(rect).intersected(bitmap.image().rect());
    if (!area.isEmpty()) {
        painter_.drawImage(area.topLeft(), bitmap.image(), area);
    }
}

QImage* ZRasterSurface::directImage() const {
    if (image_ == nullptr || !image_->isDetached() ||
        (image_->format() != QImage::Format_RGB32 &&
         image_->format() != QImage::Format_ARGB32_Premultiplied) ||
        !painter_.worldTransform().isIdentity() || painter_.hasClipping() ||
        painter_.opacity() != 1.0 ||
        painter_.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return nullptr;
    }
    return image_;
}

// The cells of the map are many short fills, for which the painter's blending costs far more
// than its arithmetic; into an image the surface blends them itself, with the painter's
// arithmetic: the colour premultiplied as the painter premultiplies a solid colour, then
// source over. (The test of the raster surface compares both for every value of a byte.)
void ZRasterSurface::fillTranslucent(const ZRect& rect, ZArgb colour) {
    flushLines();
    QRect area = visiblePart(rect);
    if (area.isEmpty()) {
        return;
    }
    QColor qColour = argbToQColor(colour);
    QImage* image = directImage();
    if (image == nullptr || qColour.alpha() == 0 || qColour.alpha() == 255) {
        painter_.fillRect(area, qColour);
        return;
    }
    area = area.intersected(image->rect());
    std::uint32_t premultiplied = qColour.rgba64().premultiplied().toArgb32();
    uchar* bits = image->bits();
    qsizetype bytesPerLine = image->bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + y * bytesPerLine);
        blendRow(row + area.left(), area.width(), premultiplied);
    }
}

void ZRasterSurface::drawEllipse(const ZRect& box, ZArgb colour, double penWidth) {
    flushLines();
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(QPen(argbToQColor(colour), penWidth));
    painter_.setBrush(Qt::NoBrush);
    // Integer coordinates of the anti-aliased calls are pixel centres, half a pixel further in
    // than the corners QPainter uses.
    painter_.drawEllipse(QRectF(box.left + 0.5, box.top + 0.5, box.width(), box.height()));
    painter_.restore();
}

void ZRasterSurface::drawLineLayer(const ZLineLayer& layer) {
    QPaintDevice* device = painter_.device();
    bool copies = device != nullptr && device->devType() == QInternal::Image &&
                  layer.isRecordedFor(device->width(), device->height()) &&
                  painter_.worldTransform().isIdentity() && !painter_.hasClipping() &&
                  painter_.opacity() == 1.0 &&
                  painter_.compositionMode() == QPainter::CompositionMode_SourceOver;
    if (!copies || layer.strokes().empty()) {
        ZSurface::drawLineLayer(layer);
        return;
    }
    flushLines();
    if (!layer.coverage().isNull()) {
        // Opaque pixels replace, transparent ones keep what lies under them.
        painter_.drawImage(layer.coverageOrigin(), layer.coverage());
    }
    selectPen(layer.strokes().back().colour, layer.strokes().back().width);
}
