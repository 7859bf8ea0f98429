#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/GifLzwEncoder.h"
#include "image/MemorySink.h"
#include "image/PaletteColor.h"

class ByteSink;
class Picture;

// Writes an animated GIF89a frame by frame as the frames come, holding no more than the last
// frame's indices. A frame whose colour table is the file's global one is written as the
// rectangle that changed since the frame before (which stays in place under it), its unchanged
// pixels see-through where that shortens the data; a frame with a colour table of its own
// brings it along and is written whole. Failures come back as false
// and a text in getLastError().
class GifAnimation {
  public:
    // Writes the head: the logical screen, the global colour table of 256 entries (none when the
    // palette is null: every frame then brings its own) and, to repeat for ever, the looping
    // extension.
    GifAnimation(ByteSink& output, std::int32_t width, std::int32_t height,
                 const PaletteColor* globalPalette, bool loop);

    // An 8-bit picture of the screen's size, shown for the delay in hundredths of a second.
    bool addFrame(const Picture& frame, std::uint16_t delayHundredths);
    // The trailer; false when any write failed.
    bool finish();

    std::uint64_t getFrameCount() const { return frames_; }
    const std::string& getLastError() const { return lastError_; }

  private:
    // The part of the screen a frame replaces.
    struct Rectangle {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
    };

    bool usesGlobalPalette(const Picture& frame) const;
    // Where the frame differs from the screen (one pixel when nowhere, since a frame needs an
    // image).
    Rectangle changedRectangle(const Picture& frame) const;
    // A frame over the screen: the changed rectangle, written with a see-through index for the
    // pixels that stay when that comes out shorter; the screen then takes the frame over.
    void writeChange(const Picture& frame, std::uint16_t delayHundredths);
    // The graphic control extension: left in place, with the see-through index unless -1.
    void writeControl(std::uint16_t delayHundredths, int seeThrough);
    // The image descriptor, with the picture's colour table when one is given.
    void writeDescriptor(const Rectangle& area, const Picture* localTable);
    // The image data of the frame's rectangle; with a see-through index, pixels equal to the
    // screen's may go out as that index.
    void encodeRows(ByteSink& sink, const Picture& frame, const Rectangle& area,
                    int seeThrough = -1);

    ByteSink& output_;
    std::int32_t width_;
    std::int32_t height_;
    bool hasGlobalPalette_;
    PaletteColor globalPalette_[256] = {};
    // The screen's indices, top row first, while it shows a frame of the global palette;
    // empty otherwise.
    std::vector<std::uint8_t> screen_;
    GifLzwEncoder lzw_;
    // A changed rectangle's image data, plain and with see-through pixels, before one is kept.
    MemorySink opaque_;
    MemorySink withSeeThrough_;
    std::uint64_t frames_ = 0;
    std::string lastError_;
};
