#include "image/GifPictureEncoder.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "image/ByteSink.h"
#include "image/GifLzwEncoder.h"
#include "image/Picture.h"

namespace {

// The LZW coder of single pictures. There is one per process, as the dictionary is large; the
// guard keeps a second encoding waiting until the first has finished.
GifLzwEncoder compression;
std::mutex compressionGuard;

void put16(ByteSink& stream, std::int32_t value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF),
                                   static_cast<std::uint8_t>((value >> 8) & 0xFF)};
    stream.write(bytes, 2);
}

void put8(ByteSink& stream, std::uint8_t value) {
    stream.write(&value, 1);
}

void writeHeader(const Picture& picture, ByteSink& stream) {
    const std::uint8_t signature[] = {'G', 'I', 'F', '8', '7', 'a'};
    stream.write(signature, sizeof signature);
    put16(stream, picture.getWidth());
    put16(stream, picture.getHeight());
    int b = picture.getBitsPerPixel();
    put8(stream, static_cast<std::uint8_t>(0x80 | ((b - 1) << 4) | (b - 1)));
    put8(stream, 0);  // background colour index
    put8(stream, 0);  // pixel aspect ratio
    for (std::uint32_t i = 0; i < picture.getHeader().biClrUsed; ++i) {
        PaletteColor c = picture.getPaletteColor(i);
        const std::uint8_t rgb[3] = {c.red, c.green, c.blue};
        stream.write(rgb, 3);
    }
    // Graphic control extension: no delay, transparency only when the picture has an index.
    std::int32_t transparent = picture.getTransparentIndex();
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
    put16(stream, picture.getWidth());
    put16(stream, picture.getHeight());
    put8(stream, 0x00);  // no local colour table, not interlaced
}

// Every pixel in file order (rows from the top) into the LZW coder.
void compress(const Picture& picture, int minimumCodeSize, ByteSink& stream) {
    compression.begin(stream, minimumCodeSize);
    const std::int32_t width = picture.getWidth();
    // Bytes are read straight from the rows; smaller depths unpack through getPixelIndex.
    std::vector<std::uint8_t> unpacked(picture.getBitsPerPixel() == 8 ? 0 : std::size_t(width));
    for (std::int32_t y = picture.getHeight() - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.getBits() + std::size_t(y) * picture.getRowBytes();
        if (!unpacked.empty()) {
            for (std::int32_t x = 0; x < width; ++x) {
                unpacked[std::size_t(x)] = picture.getPixelIndex(x, y);
            }
            row = unpacked.data();
        }
        compression.addPixels(row, std::size_t(width));
    }
    compression.finish();
}

}  // namespace

bool GifPictureEncoder::encode(const Picture& picture, ByteSink* stream, std::string& error) const {
    if (!stream) {
        error = "Can't open GIF for writing";
        return false;
    }
    if (picture.getBitsPerPixel() > 8) {
        error = "GIF Images must be 8 bit or less";
        return false;
    }
    if (picture.isEmpty()) {
        error = "No picture to write";
        return false;
    }
    std::lock_guard<std::mutex> lock(compressionGuard);
    writeHeader(picture, *stream);
    int minimumCodeSize = std::max(picture.getBitsPerPixel(), 2);
    put8(*stream, static_cast<std::uint8_t>(minimumCodeSize));
    compress(picture, minimumCodeSize, *stream);
    // Write errors are looked for once the end code is out, and again after the trailer.
    bool written = stream->flush();
    put8(*stream, 0x00);
    put8(*stream, 0x3B);
    written = stream->flush() && written;
    if (!written) {
        error = "Write Error in GIF file";
    }
    return written;
}
