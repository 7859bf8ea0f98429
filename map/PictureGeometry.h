#pragma once

#include <cstdint>

#include "toolkit/ui/ZRect.h"

struct MapScale;

// The largest picture drawn in memory, 400 MB at four bytes a pixel: about 1400 %. A scale typed
// into the settings by hand must not take the machine's memory.
constexpr std::int64_t MAX_PICTURE_PIXELS = 100'000'000;

// Pixel coordinates are computed in double precision and rounded half away from zero.
int roundPixel(double value);

// The picture and where the map lies in it, for a scale.
struct PictureGeometry {
    int width = 0;
    int height = 0;
    ZRect mapRectangle;
    int centreX = 0;
    int centreY = 0;
    // The globe in whole pixels.
    int radiusX = 0;
    int radiusY = 0;
    int diameterX = 0;
    int diameterY = 0;

    static PictureGeometry of(const MapScale& scale);
    ZRect picture() const { return ZRect{0, 0, width, height}; }
    // Whether a raster picture of this size may be made.
    bool canBeDrawn() const {
        return width > 0 && height > 0 && std::int64_t{width} * height <= MAX_PICTURE_PIXELS;
    }
};
