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
    // Pixels over the ones shown before: a pixel equal to the one before it may go out as the
    // see-through index instead (a decoder shows the same either way), read whichever way lets
    // its string run longer. The see-through index must be no changed pixel's.
    void addPixelsOrSeeThrough(const std::uint8_t* pixels, const std::uint8_t* before,
                               std::size_t count, std::uint8_t seeThrough);
    // The last string, the End code and the last, shorter sub-block.
    void finish();

  private:
    static constexpr int HASH_SIZE = 5003;

    // Pixels over the ones shown before, as addPixelsOrSeeThrough takes them.
    struct Overlay {
        const std::uint8_t* pixels;
        const std::uint8_t* before;
        std::size_t count;
        std::uint8_t seeThrough;

        bool mayShowThrough(std::size_t i) const { return pixels[i] == before[i]; }
    };
    // A string's code and the pixel after its last one.
    struct Match {
        int code;
        std::size_t end;
    };

    // The pixels a code has been entered with as prefix, modulo 64: a pixel not among them is
    // known to have no string.
    struct Children {
        std::uint64_t bits = 0;

        bool mayHave(int c) const { return bits >> (c & 63) & 1; }
        void add(int c) { bits |= std::uint64_t(1) << (c & 63); }
    };

    void clearDictionary();
    void startStream(int firstPixel);
    // The code of the string (prefix, pixel), or -1 with the slot where it would go. The first
    // slot answers most look-ups, so that much is inline.
    int find(int prefix, int c, int& slot) const {
        const std::int32_t key = (std::int32_t(c) << 12) + prefix;
        slot = (c << 4) ^ prefix;
        if (hashKeys_[slot] == key) {
            return hashCodes_[slot];
        }
        return hashKeys_[slot] < 0 ? -1 : probe(key, slot);
    }
    int probe(std::int32_t key, int& slot) const;
    // The same where no slot is wanted: a string whose last pixel the prefix has never been
    // followed by is known missing without probing, which spares the search most of its time.
    int findChild(int prefix, int c) const {
        int slot;
        return childSymbols_[prefix].mayHave(c) ? find(prefix, c, slot) : -1;
    }
    // Writes the prefix's code and enters (prefix, pixel) at the slot, or clears when full.
    void addString(int prefix, int c, int slot);
    // The longest string in the dictionary that goes on from the prefix over the overlay's
    // pixels from that one on, reading a pixel that may show through either way.
    Match longest(int prefix, const Overlay& overlay, std::size_t from);
    // The same once (prefix, pixel) is entered at the slot, as it would be next.
    Match longestWithEntry(int prefix, int c, int slot, const Overlay& overlay, std::size_t from);
    Match extend(int prefix, const Overlay& overlay, std::size_t from);
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
    Children childSymbols_[4096];
    // Forks the current search may still follow both ways of.
    int branchesLeft_ = 0;
};
