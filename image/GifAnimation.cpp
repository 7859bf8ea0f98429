#include "image/GifAnimation.h"

#include <algorithm>
#include <cstring>

#include "image/ByteSink.h"
#include "image/Picture.h"

namespace {

// 8-bit frames: a colour table of 2^(7 + 1) entries, and LZW codes of 8 bits to start from.
constexpr std::uint8_t TABLE_SIZE_BITS = 7;
constexpr int MINIMUM_CODE_SIZE = 8;
// Disposal method 1: the frame stays as the ground of the next, which may cover only a part.
constexpr std::uint8_t LEAVE_IN_PLACE = 1 << 2;

void put8(ByteSink& stream, std::uint8_t value) {
    stream.write(&value, 1);
}

void put16(ByteSink& stream, std::int32_t value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF),
                                   static_cast<std::uint8_t>((value >> 8) & 0xFF)};
    stream.write(bytes, 2);
}

void putColorTable(ByteSink& stream, const PaletteColor* table) {
    std::uint8_t rgb[3 * 256];
    for (int i = 0; i < 256; ++i) {
        rgb[3 * i] = table[i].red;
        rgb[3 * i + 1] = table[i].green;
        rgb[3 * i + 2] = table[i].blue;
    }
    stream.write(rgb, sizeof rgb);
}

// The frame's rows run bottom-up; file row 0 is the top.
const std::uint8_t* fileRow(const Picture& frame, std::int32_t row) {
    return frame.getBits() + std::size_t(frame.getHeight() - 1 - row) * frame.getRowBytes();
}

}  // namespace

GifAnimation::GifAnimation(ByteSink& output, std::int32_t width, std::int32_t height,
                           const PaletteColor* globalPalette, bool loop)
    : output_(output), width_(width), height_(height), hasGlobalPalette_(globalPalette) {
    const std::uint8_t signature[] = {'G', 'I', 'F', '8', '9', 'a'};
    output_.write(signature, sizeof signature);
    put16(output_, width_);
    put16(output_, height_);
    // Colour resolution 8 bits, with or without the global table.
    put8(output_, hasGlobalPalette_ ? 0x80 | 0x70 | TABLE_SIZE_BITS : 0x70);
    put8(output_, 0);  // background colour index
    put8(output_, 0);  // pixel aspect ratio
    if (hasGlobalPalette_) {
        std::copy(globalPalette, globalPalette + 256, globalPalette_);
        putColorTable(output_, globalPalette_);
    }
    if (loop) {
        // Application extension "NETSCAPE2.0": sub-block 1 with the loop count 0, for ever.
        const std::uint8_t looping[] = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                                        'E',  '2',  '.', '0', 3,   1,   0,   0,   0};
        output_.write(looping, sizeof looping);
    }
}

bool GifAnimation::usesGlobalPalette(const Picture& frame) const {
    if (!hasGlobalPalette_) {
        return false;
    }
    for (std::uint32_t i = 0; i < 256; ++i) {
        PaletteColor a = frame.getPaletteColor(i);
        const PaletteColor& b = globalPalette_[i];
        if (a.red != b.red || a.green != b.green || a.blue != b.blue) {
            return false;
        }
    }
    return true;
}

bool GifAnimation::addFrame(const Picture& frame, std::uint16_t delayHundredths) {
    if (frame.getBitsPerPixel() != 8 || frame.getWidth() != width_ ||
        frame.getHeight() != height_) {
        lastError_ = "Frame is not an 8-bit picture of the animation's size";
        return false;
    }
    const Rectangle whole{0, 0, width_, height_};
    if (!usesGlobalPalette(frame)) {
        screen_.clear();
        writeControl(delayHundredths, -1);
        writeDescriptor(whole, &frame);
        encodeRows(output_, frame, whole);
    } else if (screen_.empty()) {
        screen_.resize(std::size_t(width_) * std::size_t(height_));
        for (std::int32_t row = 0; row < height_; ++row) {
            std::memcpy(&screen_[std::size_t(row) * std::size_t(width_)], fileRow(frame, row),
                        std::size_t(width_));
        }
        writeControl(delayHundredths, -1);
        writeDescriptor(whole, nullptr);
        encodeRows(output_, frame, whole);
    } else {
        writeChange(frame, delayHundredths);
    }
    ++frames_;
    return true;
}

void GifAnimation::writeChange(const Picture& frame, std::uint16_t delayHundredths) {
    const Rectangle area = changedRectangle(frame);
    const std::size_t w = std::size_t(width_);
    auto before = [&](std::int32_t row) { return &screen_[std::size_t(row) * w + area.left]; };

    // Pixels equal to the screen's may show through; its index must be one no changed pixel
    // needs. A palette that every changed pixel uses up leaves the frame opaque.
    bool needed[256] = {};
    for (std::int32_t row = area.top; row < area.top + area.height; ++row) {
        const std::uint8_t* now = fileRow(frame, row) + area.left;
        const std::uint8_t* was = before(row);
        for (std::int32_t x = 0; x < area.width; ++x) {
            if (now[x] != was[x]) {
                needed[now[x]] = true;
            }
        }
    }
    const bool* free = std::find(needed, needed + 256, false);

    opaque_.bytes.clear();
    encodeRows(opaque_, frame, area);
    int seeThrough = -1;
    if (free != needed + 256) {
        seeThrough = int(free - needed);
        withSeeThrough_.bytes.clear();
        encodeRows(withSeeThrough_, frame, area, seeThrough);
        // The see-through stream must earn its place; a tie keeps the plain pixels.
        if (withSeeThrough_.bytes.size() >= opaque_.bytes.size()) {
            seeThrough = -1;
        }
    }
    for (std::int32_t row = area.top; row < area.top + area.height; ++row) {
        std::memcpy(before(row), fileRow(frame, row) + area.left, std::size_t(area.width));
    }

    const std::vector<std::uint8_t>& image = seeThrough < 0 ? opaque_.bytes : withSeeThrough_.bytes;
    writeControl(delayHundredths, seeThrough);
    writeDescriptor(area, nullptr);
    output_.write(image.data(), image.size());
}

GifAnimation::Rectangle GifAnimation::changedRectangle(const Picture& frame) const {
    const std::size_t w = std::size_t(width_);
    std::int32_t left = width_;
    std::int32_t right = -1;
    std::int32_t top = height_;
    std::int32_t bottom = -1;
    for (std::int32_t row = 0; row < height_; ++row) {
        const std::uint8_t* now = fileRow(frame, row);
        const std::uint8_t* before = &screen_[std::size_t(row) * w];
        if (std::memcmp(now, before, w) == 0) {
            continue;
        }
        std::int32_t first = 0;
        while (now[first] == before[first]) {
            ++first;
        }
        std::int32_t last = width_ - 1;
        while (now[last] == before[last]) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, row);
        bottom = row;
    }
    if (right < 0) {
        return Rectangle{0, 0, 1, 1};
    }
    return Rectangle{left, top, right - left + 1, bottom - top + 1};
}

void GifAnimation::writeControl(std::uint16_t delayHundredths, int seeThrough) {
    const std::uint8_t control[] = {0x21,
                                    0xF9,
                                    4,
                                    std::uint8_t(LEAVE_IN_PLACE | (seeThrough >= 0 ? 1 : 0)),
                                    static_cast<std::uint8_t>(delayHundredths & 0xFF),
                                    static_cast<std::uint8_t>(delayHundredths >> 8),
                                    std::uint8_t(seeThrough >= 0 ? seeThrough : 0),
                                    0};
    output_.write(control, sizeof control);
}

void GifAnimation::writeDescriptor(const Rectangle& area, const Picture* localTable) {
    put8(output_, 0x2C);
    put16(output_, area.left);
    put16(output_, area.top);
    put16(output_, area.width);
    put16(output_, area.height);
    // Not interlaced; a local table of 256 entries when the frame brings one.
    put8(output_, localTable ? 0x80 | TABLE_SIZE_BITS : 0x00);
    if (localTable) {
        PaletteColor table[256];
        for (std::uint32_t i = 0; i < 256; ++i) {
            table[i] = localTable->getPaletteColor(i);
        }
        putColorTable(output_, table);
    }
}

void GifAnimation::encodeRows(ByteSink& sink, const Picture& frame, const Rectangle& area,
                              int seeThrough) {
    put8(sink, MINIMUM_CODE_SIZE);
    lzw_.begin(sink, MINIMUM_CODE_SIZE);
    for (std::int32_t row = area.top; row < area.top + area.height; ++row) {
        const std::uint8_t* pixels = fileRow(frame, row) + area.left;
        if (seeThrough < 0) {
            lzw_.addPixels(pixels, std::size_t(area.width));
        } else {
            lzw_.addPixelsOrSeeThrough(
                pixels, &screen_[std::size_t(row) * std::size_t(width_) + std::size_t(area.left)],
                std::size_t(area.width), std::uint8_t(seeThrough));
        }
    }
    lzw_.finish();
    put8(sink, 0x00);
}

bool GifAnimation::finish() {
    put8(output_, 0x3B);
    if (!output_.flush()) {
        lastError_ = "Write Error in GIF file";
        return false;
    }
    return true;
}
