#include "image/GifLzwEncoder.h"

#include <algorithm>
#include <iterator>

#include "image/ByteSink.h"

namespace {

constexpr int MAX_CODE_WIDTH = 12;
constexpr int DICTIONARY_LIMIT = 4096;
constexpr int MAX_BLOCK = 254;
// Strings over see-through pixels: how many forks the search for the longest follows both ways
// of. Sixteen find nearly all the gain of an unbounded search on map animations.
constexpr int SEARCHED_BRANCHES = 16;

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
    std::fill(childSymbols_, childSymbols_ + nextCode_, Children{});
}

void GifLzwEncoder::addPixels(const std::uint8_t* pixels, std::size_t count) {
    std::size_t i = 0;
    if (prefix_ < 0 && count > 0) {
        startStream(pixels[i++]);
    }
    int prefix = prefix_;
    for (; i < count; ++i) {
        const int c = pixels[i];
        int slot;
        const int code = find(prefix, c, slot);
        if (code >= 0) {
            prefix = code;
        } else {
            addString(prefix, c, slot);
            prefix = c;
        }
    }
    prefix_ = prefix;
}

void GifLzwEncoder::addPixelsOrSeeThrough(const std::uint8_t* pixels, const std::uint8_t* before,
                                          std::size_t count, std::uint8_t seeThrough) {
    const Overlay overlay{pixels, before, count, seeThrough};
    std::size_t start = 0;
    if (count > 0 && prefix_ < 0) {
        startStream(overlay.mayShowThrough(0) ? seeThrough : pixels[0]);
        start = 1;
    }
    Match string = longest(prefix_, overlay, start);
    while (string.end < count) {
        // The string ends before pixel i, which starts the next one. Where that pixel may show
        // through it is read either way, whichever lets the next string run longer once the
        // ended one is entered with it.
        const std::size_t i = string.end;
        int first = overlay.mayShowThrough(i) ? seeThrough : pixels[i];
        int slot;
        find(string.code, first, slot);
        Match next{-1, 0};
        if (first != pixels[i] && nextCode_ < DICTIONARY_LIMIT) {
            next = longestWithEntry(string.code, first, slot, overlay, i + 1);
            int ownSlot;
            find(string.code, pixels[i], ownSlot);
            const Match own = longestWithEntry(string.code, pixels[i], ownSlot, overlay, i + 1);
            if (own.end > next.end) {
                first = pixels[i];
                slot = ownSlot;
                next = own;
            }
        }
        addString(string.code, first, slot);
        string = next.code >= 0 ? next : longest(first, overlay, i + 1);
    }
    prefix_ = string.code;
}

GifLzwEncoder::Match GifLzwEncoder::longest(int prefix, const Overlay& overlay, std::size_t from) {
    branchesLeft_ = SEARCHED_BRANCHES;
    return extend(prefix, overlay, from);
}

GifLzwEncoder::Match GifLzwEncoder::longestWithEntry(int prefix, int c, int slot,
                                                     const Overlay& overlay, std::size_t from) {
    // Entered for the search only: the slot gets its old content back.
    const std::int32_t key = hashKeys_[slot];
    const std::uint16_t code = hashCodes_[slot];
    const Children children = childSymbols_[prefix];
    hashKeys_[slot] = (std::int32_t(c) << 12) + prefix;
    hashCodes_[slot] = nextCode_;
    childSymbols_[prefix].add(c);
    childSymbols_[nextCode_] = {};
    const Match match = longest(c, overlay, from);
    hashKeys_[slot] = key;
    hashCodes_[slot] = code;
    childSymbols_[prefix] = children;
    return match;
}

GifLzwEncoder::Match GifLzwEncoder::extend(int prefix, const Overlay& overlay, std::size_t from) {
    Match best{prefix, from};
    while (best.end < overlay.count) {
        const std::size_t i = best.end;
        const int own = overlay.pixels[i];
        if (!overlay.mayShowThrough(i) || own == overlay.seeThrough) {
            const int code = findChild(best.code, own);
            if (code < 0) {
                break;
            }
            best = {code, i + 1};
            continue;
        }
        const int viaSeeThrough = findChild(best.code, overlay.seeThrough);
        const int viaOwn = findChild(best.code, own);
        if (viaSeeThrough >= 0 && viaOwn >= 0 && branchesLeft_-- > 0) {
            // Both ways go on: the one that goes further wins.
            const Match a = extend(viaSeeThrough, overlay, i + 1);
            const Match b = extend(viaOwn, overlay, i + 1);
            return b.end > a.end ? b : a;
        }
        // One way, or the search has looked far enough: see-through runs first.
        const int code = viaSeeThrough >= 0 ? viaSeeThrough : viaOwn;
        if (code < 0) {
            break;
        }
        best = {code, i + 1};
    }
    return best;
}

void GifLzwEncoder::startStream(int firstPixel) {
    // The stream always opens with a Clear code, written after the first pixel is read.
    prefix_ = firstPixel;
    outputCode(clearCode_);
}

int GifLzwEncoder::probe(std::int32_t key, int& slot) const {
    // Secondary probing; a slot holding 0 ends it just as an empty one does.
    const int step = slot == 0 ? 1 : HASH_SIZE - slot;
    do {
        slot -= step;
        if (slot < 0) {
            slot += HASH_SIZE;
        }
        if (hashKeys_[slot] == key) {
            return hashCodes_[slot];
        }
    } while (hashKeys_[slot] > 0);
    return -1;
}

void GifLzwEncoder::addString(int prefix, int c, int slot) {
    outputCode(prefix);
    if (nextCode_ < DICTIONARY_LIMIT) {
        childSymbols_[prefix].add(c);
        childSymbols_[nextCode_] = {};
        hashCodes_[slot] = nextCode_++;
        hashKeys_[slot] = (std::int32_t(c) << 12) + prefix;
    } else {
        clearDictionary();
        clearPending_ = true;
        outputCode(clearCode_);
    }
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
