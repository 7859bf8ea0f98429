#include "image/GifLzwEncoder.h"

#include <algorithm>
#include <iterator>

#include "image/ByteSink.h"

namespace {

constexpr int MAX_CODE_WIDTH = 12;
constexpr int DICTIONARY_LIMIT = 4096;
constexpr int MAX_BLOCK = 254;

}  // namespace

void GifLzwEncoder::begin(ByteSink& output, int minimumCodeSize) {
    output_ = &output;
    initialCodeWidth_ = codeWidth_ = minimumCodeSize + 1;
    maxCode_ = static_cast<std::uint16_t>((1 << codeWidth_) - 1);
    clearCode_ = static_cast<std::uint16_t>(1 << minimumCodeSize);
    endCode_ = static_cast<std::uint16_t>(clearCode_ + 1);
    clearPending_ = false;
    prefix_ = -1;
    bitBuffer_ = 0;
    bitCount_ = 0;
    blockCount_ = 0;
    clearDictionary();
}

void GifLzwEncoder::clearDictionary() {
    std::fill(std::begin(hashKeys_), std::end(hashKeys_), -1);
    nextCode_ = static_cast<std::uint16_t>(clearCode_ + 2);
}

void GifLzwEncoder::addPixels(const std::uint8_t* pixels, std::size_t count) {
    std::size_t i = 0;
    if (prefix_ < 0 && count > 0) {
        // The stream always opens with a Clear code, written after the first pixel is read.
        prefix_ = pixels[i++];
        outputCode(clearCode_);
    }
    int prefix = prefix_;
    for (; i < count; ++i) {
        const int c = pixels[i];
        std::int32_t key = (std::int32_t(c) << 12) + prefix;
        int slot = (c << 4) ^ prefix;
        if (hashKeys_[slot] == key) {
            prefix = hashCodes_[slot];
            continue;
        }
        if (hashKeys_[slot] >= 0) {
            // Secondary probing; a slot holding 0 ends it just as an empty one does.
            int step = slot == 0 ? 1 : HASH_SIZE - slot;
            bool found = false;
            do {
                slot -= step;
                if (slot < 0) {
                    slot += HASH_SIZE;
                }
                if (hashKeys_[slot] == key) {
                    found = true;
                    break;
                }
            } while (hashKeys_[slot] > 0);
            if (found) {
                prefix = hashCodes_[slot];
                continue;
            }
        }
        outputCode(prefix);
        prefix = c;
        if (nextCode_ < DICTIONARY_LIMIT) {
            hashCodes_[slot] = nextCode_++;
            hashKeys_[slot] = key;
        } else {
            clearDictionary();
            clearPending_ = true;
            outputCode(clearCode_);
        }
    }
    prefix_ = prefix;
}

void GifLzwEncoder::finish() {
    if (prefix_ < 0) {
        // No pixels: nothing between Clear and End.
        outputCode(clearCode_);
    } else {
        outputCode(prefix_);
    }
    outputCode(endCode_);
    prefix_ = -1;
}

void GifLzwEncoder::outputCode(int code) {
    bitBuffer_ |= std::uint32_t(code) << bitCount_;
    bitCount_ += codeWidth_;
    while (bitCount_ >= 8) {
        putByte(static_cast<std::uint8_t>(bitBuffer_ & 0xFF));
        bitBuffer_ >>= 8;
        bitCount_ -= 8;
    }
    // The width follows the dictionary after the code that was written.
    if (clearPending_) {
        codeWidth_ = initialCodeWidth_;
        maxCode_ = static_cast<std::uint16_t>((1 << codeWidth_) - 1);
        clearPending_ = false;
    } else if (nextCode_ > maxCode_) {
        ++codeWidth_;
        maxCode_ = codeWidth_ == MAX_CODE_WIDTH ? DICTIONARY_LIMIT
                                                : static_cast<std::uint16_t>((1 << codeWidth_) - 1);
    }
    if (code == endCode_) {
        while (bitCount_ > 0) {
            putByte(static_cast<std::uint8_t>(bitBuffer_ & 0xFF));
            bitBuffer_ >>= 8;
            bitCount_ -= 8;
        }
        bitCount_ = 0;
        bitBuffer_ = 0;
        writeBlock();
    }
}

void GifLzwEncoder::putByte(std::uint8_t byte) {
    blockBuffer_[blockCount_++] = byte;
    if (blockCount_ == MAX_BLOCK) {
        writeBlock();
    }
}

void GifLzwEncoder::writeBlock() {
    if (blockCount_ == 0) {
        return;
    }
    const std::uint8_t count = static_cast<std::uint8_t>(blockCount_);
    output_->write(&count, 1);
    output_->write(blockBuffer_, std::size_t(blockCount_));
    blockCount_ = 0;
}
