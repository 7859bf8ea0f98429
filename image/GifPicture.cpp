#include "image/GifPicture.h"

#include <algorithm>
#include <mutex>

#include "image/ByteSink.h"

namespace {

constexpr int MAX_CODE_WIDTH = 12;
constexpr int DICTIONARY_LIMIT = 4096;
constexpr int HASH_SIZE = 5003;
constexpr int MAX_BLOCK = 254;

// The compression state of the LZW coder. There is one per process, as the dictionary is
// large; the guard keeps a second encoding waiting until the first has finished.
struct GifCompression {
    int initialCodeWidth = 0;
    int codeWidth = 0;
    std::uint16_t maxCode = 0;
    std::uint16_t clearCode = 0;
    std::uint16_t endCode = 0;
    std::uint16_t nextCode = 0;
    bool clearPending = false;
    std::uint8_t blockBuffer[256] = {};
    int blockCount = 0;
    std::int32_t hashKeys[HASH_SIZE] = {};
    std::uint16_t hashCodes[HASH_SIZE] = {};

    void clearDictionary() {
        std::fill(std::begin(hashKeys), std::end(hashKeys), -1);
        nextCode = static_cast<std::uint16_t>(clearCode + 2);
    }
};

GifCompression compression;
std::mutex compressionGuard;

void put16(ByteSink& stream, std::int32_t value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF),
                                   static_cast<std::uint8_t>((value >> 8) & 0xFF)};
    stream.write(bytes, 2);
}

void put8(ByteSink& stream, std::uint8_t value) {
    stream.write(&value, 1);
}

}  // namespace

bool GifPicture::encodeGif(ByteSink* stream) {
    if (!stream) {
        setLastError("Can't open GIF for writing");
        return false;
    }
    if (getBitsPerPixel() > 8) {
        setLastError("GIF Images must be 8 bit or less");
        return false;
    }
    if (isEmpty()) {
        setLastError("No picture to write");
        return false;
    }
    std::lock_guard<std::mutex> lock(compressionGuard);
    output = stream;
    encoder = GifEncoder{};
    encoder.width = getWidth();
    encoder.height = getHeight();
    encoder.bitsPerPixel = getBitsPerPixel();
    encoder.pixelsLeft = std::int64_t(encoder.width) * encoder.height;
    encoder.curY = encoder.height - 1;
    startRow();

    writeHeader(*stream);
    int minimumCodeSize = std::max(encoder.bitsPerPixel, 2);
    put8(*stream, static_cast<std::uint8_t>(minimumCodeSize));
    compress(minimumCodeSize);
    // Write errors are looked for once the end code is out, and again after the trailer.
    bool written = stream->flush();
    put8(*stream, 0x00);
    put8(*stream, 0x3B);
    written = stream->flush() && written;
    if (!written) {
        setLastError("Write Error in GIF file");
    }
    output = nullptr;
    return written;
}

void GifPicture::writeHeader(ByteSink& stream) {
    const std::uint8_t signature[] = {'G', 'I', 'F', '8', '7', 'a'};
    stream.write(signature, sizeof signature);
    put16(stream, encoder.width);
    put16(stream, encoder.height);
    int b = encoder.bitsPerPixel;
    put8(stream, static_cast<std::uint8_t>(0x80 | ((b - 1) << 4) | (b - 1)));
    put8(stream, 0);  // background colour index
    put8(stream, 0);  // pixel aspect ratio
    for (std::uint32_t i = 0; i < getHeader().biClrUsed; ++i) {
        PaletteColor c = getPaletteColor(i);
        const std::uint8_t rgb[3] = {c.red, c.green, c.blue};
        stream.write(rgb, 3);
    }
    // Graphic control extension: no delay, transparency only when the picture has an index.
    std::int32_t transparent = getTransparentIndex();
    const std::uint8_t control[] = {0x21,
                                    0xF9,
                                    4,
                                    static_cast<std::uint8_t>(transparent != -1 ? 1 : 0),
                                    0,
                                    0,
                                    static_cast<std::uint8_t>(transparent & 0xFF),
                                    0};
    stream.write(control, sizeof control);
    put8(stream, 0x2C);
    put16(stream, 0);
    put16(stream, 0);
    put16(stream, encoder.width);
    put16(stream, encoder.height);
    put8(stream, 0x00);  // no local colour table, not interlaced
}

inline int GifPicture::nextPixel() {
    if (encoder.pixelsLeft == 0) {
        return -1;
    }
    --encoder.pixelsLeft;
    // Bytes are read straight from the row; smaller depths unpack through getPixelIndex.
    int pixel = rowPixels ? rowPixels[encoder.curX] : getPixelIndex(encoder.curX, encoder.curY);
    if (++encoder.curX == encoder.width) {
        encoder.curX = 0;
        --encoder.curY;
        startRow();
    }
    return pixel;
}

void GifPicture::startRow() {
    rowPixels = encoder.bitsPerPixel == 8 && encoder.curY >= 0
                    ? getBits() + std::size_t(encoder.curY) * getRowBytes()
                    : nullptr;
}

void GifPicture::compress(int minimumCodeSize) {
    GifCompression& s = compression;
    s.initialCodeWidth = s.codeWidth = minimumCodeSize + 1;
    s.maxCode = static_cast<std::uint16_t>((1 << s.codeWidth) - 1);
    s.clearCode = static_cast<std::uint16_t>(1 << minimumCodeSize);
    s.endCode = static_cast<std::uint16_t>(s.clearCode + 1);
    s.clearPending = false;
    s.blockCount = 0;
    s.clearDictionary();

    int prefix = nextPixel();
    outputCode(s.clearCode);
    if (prefix < 0) {
        // A picture without pixels: nothing between Clear and End.
        outputCode(s.endCode);
        return;
    }
    for (int c = nextPixel(); c >= 0; c = nextPixel()) {
        std::int32_t key = (std::int32_t(c) << 12) + prefix;
        int slot = (c << 4) ^ prefix;
        if (s.hashKeys[slot] == key) {
            prefix = s.hashCodes[slot];
            continue;
        }
        if (s.hashKeys[slot] >= 0) {
            // Secondary probing; a slot holding 0 ends it just as an empty one does.
            int step = slot == 0 ? 1 : HASH_SIZE - slot;
            bool found = false;
            do {
                slot -= step;
                if (slot < 0) {
                    slot += HASH_SIZE;
                }
                if (s.hashKeys[slot] == key) {
                    found = true;
                    break;
                }
            } while (s.hashKeys[slot] > 0);
            if (found) {
                prefix = s.hashCodes[slot];
                continue;
            }
        }
        outputCode(prefix);
        prefix = c;
        if (s.nextCode < DICTIONARY_LIMIT) {
            s.hashCodes[slot] = s.nextCode++;
            s.hashKeys[slot] = key;
        } else {
            s.clearDictionary();
            s.clearPending = true;
            outputCode(s.clearCode);
        }
    }
    outputCode(prefix);
    outputCode(s.endCode);
}

void GifPicture::outputCode(int code) {
    GifCompression& s = compression;
    encoder.bitBuffer |= std::uint32_t(code) << encoder.bitCount;
    encoder.bitCount += s.codeWidth;
    while (encoder.bitCount >= 8) {
        putByte(static_cast<std::uint8_t>(encoder.bitBuffer & 0xFF));
        encoder.bitBuffer >>= 8;
        encoder.bitCount -= 8;
    }
    // The width follows the dictionary after the code that was written.
    if (s.clearPending) {
        s.codeWidth = s.initialCodeWidth;
        s.maxCode = static_cast<std::uint16_t>((1 << s.codeWidth) - 1);
        s.clearPending = false;
    } else if (s.nextCode > s.maxCode) {
        ++s.codeWidth;
        s.maxCode = s.codeWidth == MAX_CODE_WIDTH
                        ? DICTIONARY_LIMIT
                        : static_cast<std::uint16_t>((1 << s.codeWidth) - 1);
    }
    if (code == s.endCode) {
        while (encoder.bitCount > 0) {
            putByte(static_cast<std::uint8_t>(encoder.bitBuffer & 0xFF));
            encoder.bitBuffer >>= 8;
            encoder.bitCount -= 8;
        }
        encoder.bitCount = 0;
        writeBlock();
    }
}

void GifPicture::putByte(std::uint8_t byte) {
    GifCompression& s = compression;
    s.blockBuffer[s.blockCount++] = byte;
    if (s.blockCount == MAX_BLOCK) {
        writeBlock();
    }
}

void GifPicture::writeBlock() {
    GifCompression& s = compression;
    if (s.blockCount == 0) {
        return;
    }
    put8(*output, static_cast<std::uint8_t>(s.blockCount));
    output->write(s.blockBuffer, std::size_t(s.blockCount));
    s.blockCount = 0;
}
