#include "image/Picture.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "image/PaletteSearch.h"
#include "image/PictureEncoder.h"
#include "image/SaveFileSink.h"
#include "toolkit/ZSaveFile.h"

namespace {

int supportedDepth(int bitsPerPixel) {
    if (bitsPerPixel < 2) {
        return 1;
    }
    if (bitsPerPixel <= 4) {
        return 4;
    }
    return bitsPerPixel <= 8 ? 8 : 24;
}

std::uint8_t clampChannel(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// clampChannel(v) at CLAMPED[v + 256], for every channel plus a share of an error.
const std::array<std::uint8_t, 768> CLAMPED = [] {
    std::array<std::uint8_t, 768> table{};
    for (int i = 0; i < 768; ++i) {
        table[std::size_t(i)] = clampChannel(i - 256);
    }
    return table;
}();

// error * weight / 16, truncated toward zero, at SHARES[w][error + 255] for the weights 7, 2,
// 4 and 1 in this order; at most 111 either way.
const std::array<std::array<std::int16_t, 511>, 4> SHARES = [] {
    std::array<std::array<std::int16_t, 511>, 4> table{};
    const int weights[4] = {7, 2, 4, 1};
    for (int w = 0; w < 4; ++w) {
        for (int error = -255; error <= 255; ++error) {
            table[std::size_t(w)][std::size_t(error + 255)] =
                static_cast<std::int16_t>(error * weights[w] / 16);
        }
    }
    return table;
}();

// Adds weight sixteenths of the error to the pixel, truncating toward zero.
PaletteColor withError(PaletteColor c, int errorRed, int errorGreen, int errorBlue, int weight) {
    c.red = clampChannel(c.red + errorRed * weight / 16);
    c.green = clampChannel(c.green + errorGreen * weight / 16);
    c.blue = clampChannel(c.blue + errorBlue * weight / 16);
    return c;
}

}  // namespace

Picture::Picture() = default;

Picture::Picture(const QImage& image) {
    if (image.isNull()) {
        lastError = "GetDIBits failed";
        return;
    }
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (!create(rgb.width(), rgb.height(), 24)) {
        return;
    }
    // QImage rows run top-down, ours bottom-up.
    for (std::int32_t y = 0; y < header.biHeight; ++y) {
        auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(header.biHeight - 1 - y));
        std::uint8_t* target = pixelRow(y);
        for (std::int32_t x = 0; x < header.biWidth; ++x) {
            *target++ = static_cast<std::uint8_t>(qBlue(source[x]));
            *target++ = static_cast<std::uint8_t>(qGreen(source[x]));
            *target++ = static_cast<std::uint8_t>(qRed(source[x]));
        }
        std::fill(target, pixelRow(y) + rowBytes, std::uint8_t(0));
    }
}

Picture::~Picture() = default;

void Picture::release() {
    ownedBlock.reset();
    dib = nullptr;
    bits = nullptr;
}

std::uint8_t* Picture::create(std::int32_t width, std::int32_t height, int bitsPerPixel) {
    release();
    if (width < 0 || height < 0) {
        lastError = "Invalid picture size";
        return nullptr;
    }
    int depth = supportedDepth(bitsPerPixel);
    header = BitmapInfoHeader{};
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<std::uint16_t>(depth);
    header.biClrUsed = depth == 24 ? 0 : (1u << depth);
    rowBytes = static_cast<std::uint32_t>((std::uint64_t(depth) * width + 31) / 32 * 4);
    std::uint64_t imageSize = std::uint64_t(rowBytes) * height;
    if (imageSize > 0xFFFFFFFFu) {
        lastError = "Picture too large";
        return nullptr;
    }
    header.biSizeImage = static_cast<std::uint32_t>(imageSize);
    std::uint64_t blockSize = sizeof(BitmapInfoHeader) + 4 * header.biClrUsed + imageSize;
    // Not cleared: every pixel is written before it is read.
    ownedBlock.reset(new (std::nothrow) std::uint8_t[blockSize]);
    if (!ownedBlock) {
        lastError = "Out of memory";
        return nullptr;
    }
    dib = ownedBlock.get();
    std::memcpy(dib, &header, sizeof header);
    bits = dib + sizeof header + 4 * header.biClrUsed;
    return dib;
}

PaletteColor* Picture::colorTable() const {
    return reinterpret_cast<PaletteColor*>(dib + sizeof(BitmapInfoHeader));
}

std::uint8_t Picture::getPixelIndex(std::int32_t x, std::int32_t y) const {
    if (!dib) {
        return 0;
    }
    if (!isInside(x, y)) {
        return transparentIndex != -1 ? static_cast<std::uint8_t>(transparentIndex) : 0;
    }
    const std::uint8_t* row = pixelRow(y);
    switch (header.biBitCount) {
        case 8:
            return row[x];
        case 4:
            return (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        default:
            return 0;
    }
}

void Picture::setPixelIndex(std::int32_t x, std::int32_t y, std::uint8_t index) {
    if (!dib || !isInside(x, y)) {
        return;
    }
    std::uint8_t* row = pixelRow(y);
    switch (header.biBitCount) {
        case 8:
            row[x] = index;
            break;
        case 4: {
            std::uint8_t& pair = row[x >> 1];
            pair = (x & 1) ? (pair & 0xF0) | (index & 0x0F)
                           : static_cast<std::uint8_t>((pair & 0x0F) | (index << 4));
            break;
        }
        case 1: {
            std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
            row[x >> 3] = (index & 1) ? row[x >> 3] | mask : row[x >> 3] & ~mask;
            break;
        }
        default:
            break;
    }
}

PaletteColor Picture::getPixelColor(std::int32_t x, std::int32_t y) const {
    if (!dib) {
        return {};
    }
    if (!isInside(x, y)) {
        return transparentIndex != -1
                   ? getPaletteColor(static_cast<std::uint32_t>(transparentIndex))
                   : PaletteColor{};
    }
    if (header.biBitCount == 24) {
        const std::uint8_t* p = pixelRow(y) + 3 * std::size_t(x);
        return {p[0], p[1], p[2], 0};
    }
    return getPaletteColor(getPixelIndex(x, y));
}

void Picture::setPixelColor(std::int32_t x, std::int32_t y, PaletteColor color) {
    if (!dib || !isInside(x, y)) {
        return;
    }
    if (header.biBitCount == 24) {
        std::uint8_t* p = pixelRow(y) + 3 * std::size_t(x);
        p[0] = color.blue;
        p[1] = color.green;
        p[2] = color.red;
        return;
    }
    setPixelIndex(x, y, getNearestIndex(color));
}

PaletteColor Picture::getPaletteColor(std::uint32_t index) const {
    if (!dib || index >= header.biClrUsed) {
        return {};
    }
    return colorTable()[index];
}

void Picture::setPalette(const PaletteColor* entries, std::uint32_t count) {
    if (!dib || !entries || header.biClrUsed == 0) {
        return;
    }
    std::memcpy(colorTable(), entries, 4 * std::size_t(std::min(count, header.biClrUsed)));
}

void Picture::setClrImportant(std::uint32_t count) {
    if (count == 0 || count > 256) {
        header.biClrImportant = 0;
    } else if (header.biBitCount == 1) {
        header.biClrImportant = std::min(count, 2u);
    } else if (header.biBitCount == 4) {
        header.biClrImportant = std::min(count, 16u);
    } else if (header.biBitCount == 8) {
        header.biClrImportant = count;
    }
    if (dib) {
        std::memcpy(dib, &header, sizeof header);
    }
}

std::uint32_t Picture::searchedColors() const {
    return header.biClrImportant != 0 ? header.biClrImportant : header.biClrUsed;
}

std::uint8_t Picture::getNearestIndex(PaletteColor color) const {
    if (!dib || header.biClrUsed == 0) {
        return 0;
    }
    const PaletteColor* table = colorTable();
    std::uint32_t n = searchedColors();
    int best = 200000;
    std::uint32_t bestIndex = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        int db = table[i].blue - color.blue;
        int dg = table[i].green - color.green;
        int dr = table[i].red - color.red;
        int d = db * db + dg * dg + dr * dr;
        if (d == 0) {
            return static_cast<std::uint8_t>(i);
        }
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    return static_cast<std::uint8_t>(bestIndex);
}

bool Picture::decreaseBpp(int bitsPerPixel, bool errorDiffusion, const PaletteColor* palette,
                          std::uint32_t importantColors) {
    if (!dib || header.biBitCount < bitsPerPixel) {
        return false;
    }
    if (header.biBitCount == bitsPerPixel &&
        (importantColors == 0 ||
         (header.biClrImportant != 0 && header.biClrImportant < importantColors))) {
        return true;
    }
    Picture reduced;
    reduced.lastError = lastError;
    reduced.transparentIndex = transparentIndex;
    if (!reduced.create(header.biWidth, header.biHeight, bitsPerPixel)) {
        lastError = reduced.lastError;
        return false;
    }
    if (importantColors != 0) {
        reduced.setClrImportant(importantColors);
    }
    switch (bitsPerPixel) {
        case 8:
            reduced.setPalette(palette, 256);
            break;
        case 4:
        case 1:
            reduced.setPalette(palette, 16);
            break;
        default:
            return false;
    }
    // Every palette write of the reduced picture goes through one search of its important
    // colours, which answers exactly as getNearestIndex does.
    PaletteSearch search(reduced.colorTable(), reduced.searchedColors());
    if (header.biBitCount == 24) {
        reduceTrueColor(reduced, search, errorDiffusion);
    } else {
        reducePaletteColors(reduced, search, errorDiffusion);
    }
    transfer(reduced);
    return true;
}

void Picture::reduceTrueColor(Picture& reduced, PaletteSearch& search, bool errorDiffusion) {
    // The same steps as for palette pictures, on the bytes of the rows (the GIF saver's path),
    // with the pixels that are still receiving error kept in variables: the current pixel
    // (the right neighbour of the last, which only that one adds to in this row) and three
    // pixels of the row below, each written back once it has had its last share.
    const std::int32_t width = header.biWidth;
    const std::int32_t height = header.biHeight;
    const PaletteColor* table = reduced.colorTable();
    const bool byteIndices = reduced.header.biBitCount == 8;
    const std::uint8_t* clamped = CLAMPED.data() + 256;
    auto add = [clamped](int channel, const std::int16_t* shares, int error) {
        return int(clamped[channel + shares[error]]);
    };
    const std::int16_t* right = SHARES[0].data() + 255;
    const std::int16_t* lowerLeft = SHARES[1].data() + 255;
    const std::int16_t* lower = SHARES[2].data() + 255;
    const std::int16_t* lowerRight = SHARES[3].data() + 255;
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = pixelRow(y);
        std::uint8_t* below = errorDiffusion && y + 1 < height ? pixelRow(y + 1) : nullptr;
        std::uint8_t* indices = reduced.pixelRow(y);
        int current[3] = {row[0], row[1], row[2]};
        int underLeft[3] = {};
        int under[3] = {};
        if (below) {
            under[0] = below[0], under[1] = below[1], under[2] = below[2];
        }
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t index = search.nearest(
                {std::uint8_t(current[0]), std::uint8_t(current[1]), std::uint8_t(current[2]), 0});
            if (byteIndices) {
                indices[x] = index;
            } else {
                reduced.setPixelIndex(x, y, index);
            }
            const bool hasRight = x + 1 < width;
            if (!errorDiffusion) {
                if (hasRight) {
                    const std::uint8_t* next = row + 3 * std::size_t(x + 1);
                    current[0] = next[0], current[1] = next[1], current[2] = next[2];
                }
                continue;
            }
            // Blue, green, red as the rows store them; weights 7 to the right, then 2, 4, 1
            // to the lower left, below and lower right. A zero error changes nothing.
            const int error[3] = {current[0] - table[index].blue, current[1] - table[index].green,
                                  current[2] - table[index].red};
            const std::uint8_t* next = row + 3 * std::size_t(x + 1);
            const std::uint8_t* underRightByte = below ? below + 3 * std::size_t(x + 1) : nullptr;
            for (int c = 0; c < 3; ++c) {
                if (hasRight) {
                    current[c] = add(next[c], right, error[c]);
                }
                if (below) {
                    if (x > 0) {
                        below[3 * std::size_t(x - 1) + c] =
                            std::uint8_t(add(underLeft[c], lowerLeft, error[c]));
                    }
                    underLeft[c] = add(under[c], lower, error[c]);
                    if (hasRight) {
                        under[c] = add(underRightByte[c], lowerRight, error[c]);
                    }
                }
            }
        }
        if (below) {
            for (int c = 0; c < 3; ++c) {
                below[3 * std::size_t(width - 1) + c] = std::uint8_t(underLeft[c]);
            }
        }
    }
}

void Picture::reducePaletteColors(Picture& reduced, PaletteSearch& search, bool errorDiffusion) {
    const std::int32_t width = header.biWidth;
    const std::int32_t height = header.biHeight;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            PaletteColor c = getPixelColor(x, y);
            std::uint8_t index = search.nearest(c);
            reduced.setPixelIndex(x, y, index);
            if (!errorDiffusion) {
                continue;
            }
            PaletteColor q = reduced.getPaletteColor(index);
            int errorRed = c.red - q.red;
            int errorGreen = c.green - q.green;
            int errorBlue = c.blue - q.blue;
            // Weights 7, 2, 4, 1 sixteenths: the right neighbour, then the three in the next
            // stored row. Neighbours outside are skipped. Each sum is mapped back to this
            // picture's own palette.
            const std::int32_t nx[4] = {x + 1, x - 1, x, x + 1};
            const std::int32_t ny[4] = {y, y + 1, y + 1, y + 1};
            const int weight[4] = {7, 2, 4, 1};
            for (int k = 0; k < 4; ++k) {
                if (isInside(nx[k], ny[k])) {
                    setPixelColor(nx[k], ny[k],
                                  withError(getPixelColor(nx[k], ny[k]), errorRed, errorGreen,
                                            errorBlue, weight[k]));
                }
            }
        }
    }
}

void Picture::transfer(Picture& other) {
    release();
    dib = other.dib;
    header = other.header;
    rowBytes = other.rowBytes;
    bits = other.bits;
    lastError = std::move(other.lastError);
    transparentIndex = other.transparentIndex;
    ownedBlock = std::move(other.ownedBlock);
    other.release();
    other.header = BitmapInfoHeader{};
    other.rowBytes = 0;
    other.lastError.clear();
    other.transparentIndex = -1;
}

bool Picture::save(const std::string& name, int format) {
    // The old file stays as it was until the new one is complete.
    ZSaveFile file(name);
    bool written = file.open();
    if (written) {
        SaveFileSink sink(file);
        written = encode(&sink, format) && file.commit();
    }
    if (file.error() != 0) {
        lastError = file.errorText().str();
    }
    return written;
}

bool Picture::encode(ByteSink* stream, int format) {
    const PictureEncoder* encoder = PictureEncoder::forFormat(format);
    if (!encoder) {
        lastError = "Unsupported operation for this format";
        return false;
    }
    return encoder->encode(*this, stream, lastError);
}
