#pragma once

#include <cstddef>
#include <cstdint>

class ByteSink;

// The variable-width LZW of GIF image data: codes packed least significant bit first into data
// sub-blocks of at most 254 bytes, a Clear code first and whenever the dictionary holds 4096
// codes, an End code last. Pixels may come in pieces of any length (a row at a time); the
// caller writes the minimum code size before and the block terminator after.
class GifLzwEncoder {
  public:
    void begin(ByteSink& output, int minimumCodeSize);
    void addPixels(const std::uint8_t* pixels, std::size_t count);
    // The last string, the End code and the last, shorter sub-block.
    void finish();

  private:
    static constexpr int HASH_SIZE = 5003;

    void clearDictionary();
    void outputCode(int code);
    void putByte(std::uint8_t byte);
    void writeBlock();

    ByteSink* output_ = nullptr;
    int initialCodeWidth_ = 0;
    int codeWidth_ = 0;
    std::uint16_t maxCode_ = 0;
    std::uint16_t clearCode_ = 0;
    std::uint16_t endCode_ = 0;
    std::uint16_t nextCode_ = 0;
    bool clearPending_ = false;
    // The string read so far as a code; -1 before the first pixel.
    int prefix_ = -1;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
    std::uint8_t blockBuffer_[256] = {};
    int blockCount_ = 0;
    // Open addressing by (pixel, prefix); -1 marks an empty slot.
    std::int32_t hashKeys_[HASH_SIZE] = {};
    std::uint16_t hashCodes_[HASH_SIZE] = {};
};
