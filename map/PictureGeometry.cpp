#include "map/PictureGeometry.h"

#include <algorithm>

#include "map/MapConstants.h"
#include "map/MapScale.h"
#include "toolkit/ZSystem.h"

int roundPixel(double value) {
    // Far outside any picture (a position with absurd numbers) a pixel stops at a billion, so
    // that the conversion and the lines drawn around it stay defined.
    constexpr double LIMIT = 1e9;
    return static_cast<int>(ZSystem::round(std::clamp(value, -LIMIT, LIMIT), 0));
}

PictureGeometry PictureGeometry::of(const MapScale& scale) {
    double f = scale.frame;
    PictureGeometry g;
    g.width = roundPixel(MAP_WIDTH * scale.x + 2 * FRAME_MARGIN * f);
    g.height = roundPixel(MAP_HEIGHT * scale.y + (FRAME_MARGIN + FRAME_BOTTOM) * f);
    int left = roundPixel(FRAME_MARGIN * f);
    int top = roundPixel(FRAME_MARGIN * f);
    g.mapRectangle = ZRect{left, top, left + roundPixel(MAP_WIDTH * scale.x),
                           top + roundPixel(MAP_HEIGHT * scale.y)};
    g.centreX = left + g.mapRectangle.width() / 2;
    g.centreY = top + g.mapRectangle.height() / 2;
    g.radiusX = roundPixel(GLOBE_RADIUS * scale.x);
    g.radiusY = roundPixel(GLOBE_RADIUS * scale.y);
    g.diameterX = roundPixel(2 * GLOBE_RADIUS * scale.x);
    g.diameterY = roundPixel(2 * GLOBE_RADIUS * scale.y);
    return g;
}
