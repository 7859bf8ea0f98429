#pragma once

#include "toolkit/ui/ZRect.h"

struct ViewState;

// Pixel coordinates are computed in double precision and rounded half away from zero.
int roundPixel(double value);

// The picture and where the map lies in it, for the scales of a view.
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

    static PictureGeometry of(const ViewState& view);
    ZRect picture() const { return ZRect{0, 0, width, height}; }
};
