#pragma once

#include <cstdint>

#include "image/Picture.h"

class ByteSink;

// A picture that writes itself as GIF87a: the picture it is made from lends it its pixels for
// the one encoding.
class GifPicture : public Picture {
  public:
    explicit GifPicture(const Picture& source) { borrow(source); }

    // The whole file into the stream; false, with the reason in getLastError(), when there is
    // no stream, the picture is deeper than 8 bits, or writing failed.
    bool encodeGif(ByteSink* stream);

  private:
    // What one encoding reads and packs; the dictionary is shared by all (see the .cpp).
    struct GifEncoder {
        std::int32_t width = 0;
        std::int32_t height = 0;
        int bitsPerPixel = 0;
        std::int64_t pixelsLeft = 0;
        std::int32_t curX = 0;
        std::int32_t curY = 0;
        std::uint32_t bitBuffer = 0;
        int bitCount = 0;
    };

    void writeHeader(ByteSink& stream);
    void compress(int minimumCodeSize);
    // The next pixel in file order (rows from the top), -1 after the last.
    int nextPixel();
    // Points rowPixels at row curY of an 8-bit picture.
    void startRow();
    void outputCode(int code);
    void putByte(std::uint8_t byte);
    void writeBlock();

    GifEncoder encoder;
    const std::uint8_t* rowPixels = nullptr;
    ByteSink* output = nullptr;
};
