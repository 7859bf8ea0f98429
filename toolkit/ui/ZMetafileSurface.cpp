#include "toolkit/ui/ZMetafileSurface.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <utility>

#include "toolkit/ZSaveFile.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

constexpr std::uint32_t HEADER_SIZE = 108;
constexpr std::uint32_t EOF_SIZE = 20;
constexpr std::uint32_t SIGNATURE = 0x464D4520;  // " EMF"
constexpr std::uint32_t VERSION = 0x10000;

// Stock objects, selected while an object of ours is not wanted.
constexpr std::uint32_t WHITE_BRUSH = 0x80000000;
constexpr std::uint32_t NULL_BRUSH = 0x80000005;
constexpr std::uint32_t BLACK_PEN = 0x80000007;
constexpr std::uint32_t NULL_PEN = 0x80000008;

constexpr std::uint32_t MM_TEXT = 1;
constexpr std::uint32_t MM_ISOTROPIC = 7;
constexpr std::uint32_t TRANSPARENT = 1;
constexpr std::uint32_t TA_BASELINE = 24;
constexpr std::uint32_t GM_COMPATIBLE = 1;
constexpr std::uint32_t ETO_CLIPPED = 4;
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t DEFAULT_CHARSET = 1;
constexpr std::size_t FACE_LENGTH = 32;

constexpr int MAX_PICTURE_SIDE = 4096;
constexpr std::uint32_t BITMAP_HEADER_SIZE = 40;
constexpr std::uint32_t STRETCHDIBITS_SIZE = 80;
constexpr std::uint32_t ALPHABLEND_SIZE = 108;
constexpr std::uint32_t EXTTEXTOUT_SIZE = 76;

// Hundredths of a millimetre per device unit, for the text records' scale fields.
constexpr float HUNDREDTHS_MM_PER_UNIT = 30.0f;

std::uint32_t rowBytes(int width, int bitCount) {
    return static_cast<std::uint32_t>((width * bitCount + 31) / 32 * 4);
}

ZRect intersection(const ZRect& a, const ZRect& b) {
    return ZRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
}

void writeLittle(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

std::vector<unsigned char> endRecord() {
    std::vector<unsigned char> out;
    for (std::uint32_t word : {std::uint32_t{EMR_EOF}, EOF_SIZE, 0u, 16u, EOF_SIZE}) {
        writeLittle(out, word);
    }
    return out;
}

}  // namespace

ZMetafileSurface::ZMetafileSurface(int width, int height, const ZRect& frame,
                                   std::u16string description)
    : width_(width), height_(height), frame_(frame), description_(std::move(description)) {
    // Texts are placed by their baseline, so that renderers with other font metrics still put
    // them on the line the layout chose; the white behind them is a rectangle of its own.
    setState(EMR_SETBKMODE, TRANSPARENT);
    setState(EMR_SETTEXTALIGN, TA_BASELINE);
    setState(EMR_SETTEXTCOLOR, 0);
}

ZMetafileSurface::~ZMetafileSurface() = default;

bool ZMetafileSurface::create(const QString& fileName) {
    file_ = std::make_unique<ZSaveFile>(fileName.toUtf8().toStdString());
    if (!file_->open()) {
        errorText_ = file_->errorText();
        file_.reset();
        return false;
    }
    return true;
}

bool ZMetafileSurface::close() {
    if (!file_) {
        return false;
    }
    std::vector<unsigned char> head = header();
    std::vector<unsigned char> tail = endRecord();
    const std::vector<unsigned char>& body = records_.bytes();
    bool committed = file_->write(head.data(), head.size()) &&
                     file_->write(body.data(), body.size()) &&
                     file_->write(tail.data(), tail.size()) && file_->commit();
    if (!committed) {
        errorText_ = file_->errorText();
    }
    file_.reset();
    return committed;
}

std::vector<unsigned char> ZMetafileSurface::header() const {
    auto descriptionBytes = static_cast<std::uint32_t>(description_.size() * 2);
    std::uint32_t size = HEADER_SIZE + (descriptionBytes + 3) / 4 * 4;
    auto total = static_cast<std::uint32_t>(size + records_.bytes().size() + EOF_SIZE);
    ZRect bounds = anyBounds_ ? bounds_ : ZRect{0, 0, -1, -1};
    int frameWidth = frame_.right - frame_.left;
    int frameHeight = frame_.bottom - frame_.top;

    std::vector<unsigned char> out;
    auto put = [&](std::uint32_t value) { writeLittle(out, value); };
    auto putInt = [&](int value) { put(static_cast<std::uint32_t>(value)); };
    put(EMR_HEADER);
    put(size);
    for (int value : {bounds.left, bounds.top, bounds.right, bounds.bottom, frame_.left, frame_.top,
                      frame_.right, frame_.bottom}) {
        putInt(value);
    }
    put(SIGNATURE);
    put(VERSION);
    put(total);
    put(records_.count() + 2);
    // Handles: the table's size, slot 0 included; then the reserved half-word.
    put(static_cast<std::uint32_t>(slots_.size()));
    put(static_cast<std::uint32_t>(description_.size()));
    put(description_.empty() ? 0 : HEADER_SIZE);
    put(0);  // no palette
    // The reference device has as many units as the picture on the frame's millimetres.
    putInt(width_);
    putInt(height_);
    putInt(frameWidth / 100);
    putInt(frameHeight / 100);
    put(0);  // no pixel format
    put(0);
    put(0);  // no OpenGL
    putInt(frameWidth * 10);
    putInt(frameHeight * 10);
    for (char16_t c : description_) {
        out.push_back(static_cast<unsigned char>(c & 0xFF));
        out.push_back(static_cast<unsigned char>(c >> 8));
    }
    out.resize(size, 0);
    return out;
}

std::uint32_t ZMetafileSurface::newHandle() {
    auto free = std::find(slots_.begin(), slots_.end(), false);
    if (free != slots_.end()) {
        *free = true;
        return static_cast<std::uint32_t>(free - slots_.begin());
    }
    slots_.push_back(true);
    return static_cast<std::uint32_t>(slots_.size() - 1);
}

void ZMetafileSurface::deleteObject(std::uint32_t handle) {
    records_.begin(EMR_DELETEOBJECT);
    records_.put32(handle);
    records_.end();
    slots_[handle] = false;
}

void ZMetafileSurface::selectObject(std::uint32_t handle) {
    records_.begin(EMR_SELECTOBJECT);
    records_.put32(handle);
    records_.end();
}

void ZMetafileSurface::setState(std::uint32_t type, std::uint32_t value) {
    records_.begin(type);
    records_.put32(value);
    records_.end();
}

std::uint32_t ZMetafileSurface::createPen(ZColour colour, int width) {
    std::uint32_t pen = newHandle();
    records_.begin(EMR_CREATEPEN);
    records_.put32(pen);
    records_.put32(0);  // solid
    records_.putInt(std::max(1, width));
    records_.putInt(0);
    records_.put32(colour);
    records_.end();
    return pen;
}

// Pens and brushes are selected only when a drawing call needs another one than the current.
void ZMetafileSurface::usePen(std::uint32_t pen) {
    if (selectedPen_ != pen) {
        selectObject(pen);
        selectedPen_ = pen;
    }
}

void ZMetafileSurface::useBrush(std::uint32_t brush) {
    if (selectedBrush_ != brush) {
        selectObject(brush);
        selectedBrush_ = brush;
    }
}

ZRect ZMetafileSurface::deviceBounds(ZRect logical) {
    auto scaled = [this](int value) {
        return static_cast<int>(std::lround(static_cast<double>(value) * mappingScale_));
    };
    ZRect device{scaled(logical.left), scaled(logical.top), scaled(logical.right) - 1,
                 scaled(logical.bottom) - 1};
    if (!anyBounds_) {
        bounds_ = device;
        anyBounds_ = true;
    } else {
        bounds_ =
            ZRect{std::min(bounds_.left, device.left), std::min(bounds_.top, device.top),
                  std::max(bounds_.right, device.right), std::max(bounds_.bottom, device.bottom)};
    }
    return device;
}

void ZMetafileSurface::selectPen(ZColour colour, int width) {
    std::uint32_t previous = linePen_;
    linePen_ = createPen(colour, width);
    linePenWidth_ = std::max(1, width);
    usePen(linePen_);
    if (previous != 0) {
        deleteObject(previous);
    }
}

void ZMetafileSurface::selectFont(const ZFont& font) {
    qFont_ = ZRasterSurface::toQFont(font);
    std::uint32_t previous = font_;
    font_ = newHandle();
    records_.begin(EMR_EXTCREATEFONTINDIRECTW);
    records_.put32(font_);
    records_.putInt(-qFont_.pixelSize());  // character height, as the raster draws it
    records_.putInt(0);
    records_.putInt(0);
    records_.putInt(0);
    records_.putInt(font.weight());
    // Italic, underline, strike-out, character set, precisions, quality, pitch and family.
    records_.put32(DEFAULT_CHARSET << 24);
    records_.put32(0);
    std::u16string face = QString::fromUtf8(font.face().c_str()).toStdU16String();
    face.resize(FACE_LENGTH, u'\0');
    face.back() = u'\0';
    for (char16_t c : face) {
        unsigned char pair[2] = {static_cast<unsigned char>(c & 0xFF),
                                 static_cast<unsigned char>(c >> 8)};
        records_.putBytes(pair, 2);
    }
    records_.end();
    selectObject(font_);
    if (previous != 0) {
        deleteObject(previous);
    }
}

void ZMetafileSurface::moveTo(int x, int y) {
    records_.begin(EMR_MOVETOEX);
    records_.putInt(x);
    records_.putInt(y);
    records_.end();
    current_ = {x, y};
}

void ZMetafileSurface::lineTo(int x, int y) {
    usePen(linePen_ != 0 ? linePen_ : BLACK_PEN);
    int reach = linePenWidth_ / 2;
    deviceBounds(ZRect{std::min(current_.first, x) - reach, std::min(current_.second, y) - reach,
                       std::max(current_.first, x) + reach + 1,
                       std::max(current_.second, y) + reach + 1});
    records_.begin(EMR_LINETO);
    records_.putInt(x);
    records_.putInt(y);
    records_.end();
    current_ = {x, y};
}

void ZMetafileSurface::fillWithBrush(const ZRect& rect) {
    usePen(NULL_PEN);
    records_.begin(EMR_RECTANGLE);
    records_.putRect(deviceBounds(rect));
    // Without a pen the shape leaves out one more column and row than the box gives, so the
    // box reaches one unit beyond the fill.
    records_.putRect(ZRect{rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    records_.end();
}

void ZMetafileSurface::fillRect(const ZRect& rect, ZColour colour) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    // Each fill has a brush of its own, released right after it.
    std::uint32_t brush = newHandle();
    records_.begin(EMR_CREATEBRUSHINDIRECT);
    records_.put32(brush);
    records_.put32(0);  // solid
    records_.put32(colour);
    records_.put32(0);
    records_.end();
    useBrush(brush);
    fillWithBrush(rect);
    useBrush(NULL_BRUSH);
    deleteObject(brush);
}

void ZMetafileSurface::setPixel(int x, int y, ZColour colour) {
    records_.begin(EMR_SETPIXELV);
    records_.putInt(x);
    records_.putInt(y);
    records_.put32(colour);
    records_.end();
    deviceBounds(ZRect{x, y, x + 1, y + 1});
}

void ZMetafileSurface::putPictureHeader(int width, int height, int bitCount) {
    records_.put32(BITMAP_HEADER_SIZE);
    records_.putInt(width);
    records_.putInt(height);  // rows bottom-up
    records_.put32(1 | (static_cast<std::uint32_t>(bitCount) << 16));
    records_.put32(0);  // uncompressed
    records_.put32(rowBytes(width, bitCount) * static_cast<std::uint32_t>(height));
    for (int i = 0; i < 4; ++i) {
        records_.put32(0);
    }
}

template <typename PixelAt>
void ZMetafileSurface::stretchPixels(const ZRect& dest, int width, int height, PixelAt pixelAt) {
    std::uint32_t stride = rowBytes(width, 24);
    std::uint32_t bitsSize = stride * static_cast<std::uint32_t>(height);
    records_.begin(EMR_STRETCHDIBITS);
    records_.putRect(deviceBounds(dest));
    for (int value : {dest.left, dest.top, 0, 0, width, height}) {
        records_.putInt(value);
    }
    records_.put32(STRETCHDIBITS_SIZE);
    records_.put32(BITMAP_HEADER_SIZE);
    records_.put32(STRETCHDIBITS_SIZE + BITMAP_HEADER_SIZE);
    records_.put32(bitsSize);
    records_.put32(0);  // colours as RGB values
    records_.put32(SRCCOPY);
    records_.putInt(dest.width());
    records_.putInt(dest.height());
    putPictureHeader(width, height, 24);
    unsigned char* bits = records_.grow(bitsSize);
    for (int row = 0; row < height; ++row) {
        unsigned char* out = bits + static_cast<std::size_t>(height - 1 - row) * stride;
        for (int column = 0; column < width; ++column) {
            std::uint32_t pixel = pixelAt(row, column);
            out[0] = static_cast<unsigned char>(pixel);
            out[1] = static_cast<unsigned char>(pixel >> 8);
            out[2] = static_cast<unsigned char>(pixel >> 16);
            out += 3;
        }
    }
    records_.end();
}

// The block becomes picture records instead of a record per pixel: one, or a few tiles when it
// is larger than readers take (emf2svg refuses pictures of more than 4096 pixels a side). A
// record cannot leave pixels alone, so masked pixels take the white that a picture starts from,
// which is all that lies under a masked pixel in this program's pictures.
void ZMetafileSurface::drawPixels(int x, int y, int width, int height, const std::uint32_t* rgb,
                                  const std::uint8_t* mask) {
    if (width <= 0 || height <= 0) {
        return;
    }
    int across = (width + MAX_PICTURE_SIDE - 1) / MAX_PICTURE_SIDE;
    int down = (height + MAX_PICTURE_SIDE - 1) / MAX_PICTURE_SIDE;
    for (int tileRow = 0; tileRow < down; ++tileRow) {
        int top = height * tileRow / down;
        int bottom = height * (tileRow + 1) / down;
        for (int tileColumn = 0; tileColumn < across; ++tileColumn) {
            int left = width * tileColumn / across;
            int right = width * (tileColumn + 1) / across;
            auto at = [&](int row, int column) {
                std::size_t i = static_cast<std::size_t>(top + row) * width + left + column;
                return mask == nullptr || mask[i] != 0 ? rgb[i] : 0x00FFFFFFu;
            };
            stretchPixels(ZRect{x + left, y + top, x + right, y + bottom}, right - left,
                          bottom - top, at);
        }
    }
}

void ZMetafileSurface::stretchImage(const QImage& image, const ZRect& source, const ZRect& dest) {
    auto at = [&](int row, int column) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(source.top + row));
        return static_cast<std::uint32_t>(line[source.left + column]);
    };
    stretchPixels(dest, source.width(), source.height(), at);
}

void ZMetafileSurface::drawText(const ZString& text, const ZRect& rect, unsigned flags) {
    QString line = QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.length()));
    QFontMetrics metrics(qFont_);
    int width = metrics.horizontalAdvance(line);
    int height = metrics.ascent() + metrics.descent();
    const ZRect box = zTextBox(rect, flags, width, height);
    const int x = box.left;
    const int y = box.top;

    // Black on a white cell behind the text only, cut at the rectangle.
    ZRect cell = intersection(box, rect);
    if (cell.width() > 0 && cell.height() > 0) {
        whiteBehindText(cell);
    }
    std::u16string chars = line.toStdU16String();
    if (chars.empty()) {
        return;
    }
    // The spacing array carries the layout's advances, so every renderer ends the text where
    // the raster picture does.
    QFontMetricsF exact(qFont_);
    std::vector<std::int32_t> advances;
    double position = 0;
    for (char16_t c : chars) {
        double next = position + exact.horizontalAdvance(QChar(c));
        advances.push_back(static_cast<std::int32_t>(std::lround(next) - std::lround(position)));
        position = next;
    }
    auto count = static_cast<std::uint32_t>(chars.size());
    std::uint32_t stringBytes = (count * 2 + 3) / 4 * 4;

    records_.begin(EMR_EXTTEXTOUTW);
    records_.putRect(deviceBounds(cell.width() > 0 ? cell : rect));
    records_.put32(GM_COMPATIBLE);
    records_.putFloat(HUNDREDTHS_MM_PER_UNIT * static_cast<float>(mappingScale_));
    records_.putFloat(HUNDREDTHS_MM_PER_UNIT * static_cast<float>(mappingScale_));
    records_.putInt(x);
    records_.putInt(y + metrics.ascent());
    records_.put32(count);
    records_.put32(EXTTEXTOUT_SIZE);
    records_.put32(ETO_CLIPPED);
    records_.putRect(rect);
    records_.put32(EXTTEXTOUT_SIZE + stringBytes);
    unsigned char* text16 = records_.grow(stringBytes);
    for (char16_t c : chars) {
        *text16++ = static_cast<unsigned char>(c & 0xFF);
        *text16++ = static_cast<unsigned char>(c >> 8);
    }
    for (std::int32_t advance : advances) {
        records_.putInt(advance);
    }
    records_.end();
}

// Under a mapping the white goes in device units with the mapping left for it: renderers such
// as emf2svg scale filled shapes of a mapped page twice.
void ZMetafileSurface::whiteBehindText(const ZRect& cell) {
    useBrush(WHITE_BRUSH);
    if (!mapping_) {
        fillWithBrush(cell);
        return;
    }
    Mapping mapping = *mapping_;
    double scale = mappingScale_;
    auto device = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    resetMapping();
    fillWithBrush(
        ZRect{device(cell.left), device(cell.top), device(cell.right), device(cell.bottom)});
    setIsotropicMapping(mapping.windowWidth, mapping.windowHeight, mapping.viewportWidth,
                        mapping.viewportHeight);
}

void ZMetafileSurface::setIsotropicMapping(int windowWidth, int windowHeight, int viewportWidth,
                                           int viewportHeight) {
    if (windowWidth == 0 || windowHeight == 0) {
        return;
    }
    mapping_ = Mapping{windowWidth, windowHeight, viewportWidth, viewportHeight};
    setState(EMR_SETMAPMODE, MM_ISOTROPIC);
    records_.begin(EMR_SETWINDOWEXTEX);
    records_.putInt(windowWidth);
    records_.putInt(windowHeight);
    records_.end();
    records_.begin(EMR_SETVIEWPORTEXTEX);
    records_.putInt(viewportWidth);
    records_.putInt(viewportHeight);
    records_.end();
    // The isotropic mode keeps the proportions: the smaller ratio holds for both axes.
    mappingScale_ = std::min(static_cast<double>(viewportWidth) / windowWidth,
                             static_cast<double>(viewportHeight) / windowHeight);
}

void ZMetafileSurface::resetMapping() {
    mapping_.reset();
    setState(EMR_SETMAPMODE, MM_TEXT);
    mappingScale_ = 1.0;
}

// Only the part of the source that lies inside the picture is drawn, at the scale the whole
// source rectangle would have, as on the raster surface.
void ZMetafileSurface::stretchBitmap(const ZBitmap& bitmap, const ZRect& source,
                                     const ZRect& dest) {
    if (bitmap.isEmpty() || source.width() <= 0 || source.height() <= 0) {
        return;
    }
    const QImage& image = bitmap.image();
    ZRect available = intersection(source, ZRect{0, 0, image.width(), image.height()});
    if (available.width() <= 0 || available.height() <= 0) {
        return;
    }
    double scaleX = static_cast<double>(dest.width()) / source.width();
    double scaleY = static_cast<double>(dest.height()) / source.height();
    auto place = [](int origin, int offset, double scale) {
        return origin + static_cast<int>(std::lround(offset * scale));
    };
    ZRect target{place(dest.left, available.left - source.left, scaleX),
                 place(dest.top, available.top - source.top, scaleY),
                 place(dest.left, available.right - source.left, scaleX),
                 place(dest.top, available.bottom - source.top, scaleY)};
    stretchImage(image, available, target);
}

void ZMetafileSurface::copyBitmap(const ZBitmap& bitmap, const ZRect& rect) {
    if (bitmap.isEmpty()) {
        return;
    }
    const QImage& image = bitmap.image();
    ZRect area = intersection(rect, ZRect{0, 0, image.width(), image.height()});
    if (area.width() > 0 && area.height() > 0) {
        stretchImage(image, area, area);
    }
}

// A one-pixel picture blended over the rectangle with a constant alpha: plain renderers draw
// it, where a translucent brush would need EMF+.
void ZMetafileSurface::fillTranslucent(const ZRect& rect, ZArgb colour) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    records_.begin(EMR_ALPHABLEND);
    records_.putRect(deviceBounds(rect));
    for (int value : {rect.left, rect.top, rect.width(), rect.height()}) {
        records_.putInt(value);
    }
    // Blend function: source over with a constant alpha; the pixel is opaque.
    records_.put32((colour >> 24) << 16);
    records_.putInt(0);
    records_.putInt(0);
    for (float value : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}) {
        records_.putFloat(value);
    }
    records_.put32(0);  // background colour
    records_.put32(0);  // colours as RGB values
    records_.put32(ALPHABLEND_SIZE);
    records_.put32(BITMAP_HEADER_SIZE);
    records_.put32(ALPHABLEND_SIZE + BITMAP_HEADER_SIZE);
    records_.put32(4);
    records_.putInt(1);
    records_.putInt(1);
    putPictureHeader(1, 1, 32);
    records_.put32(colour & 0x00FFFFFFu);
    records_.end();
}

void ZMetafileSurface::drawEllipse(const ZRect& box, ZArgb colour, double penWidth) {
    ZColour rgb = zRgb(static_cast<int>((colour >> 16) & 0xFF),
                       static_cast<int>((colour >> 8) & 0xFF), static_cast<int>(colour & 0xFF));
    std::uint32_t pen = createPen(rgb, static_cast<int>(std::lround(penWidth)));
    usePen(pen);
    useBrush(NULL_BRUSH);
    records_.begin(EMR_ELLIPSE);
    int reach = static_cast<int>(std::ceil(penWidth / 2));
    records_.putRect(deviceBounds(
        ZRect{box.left - reach, box.top - reach, box.right + reach + 1, box.bottom + reach + 1}));
    records_.putRect(box);
    records_.end();
    usePen(linePen_ != 0 ? linePen_ : BLACK_PEN);
    deleteObject(pen);
}
