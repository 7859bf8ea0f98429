#pragma once

#include <optional>

#include "map/MapScale.h"
#include "map/Projections.h"

// A globe on the picture: the scales, the globe's centre pixel and the view centre (longitude,
// latitude) in radians.
struct GlobeFrame {
    MapScale scale;
    int cx = 0;
    int cy = 0;
    double lon0 = 0.0;
    double lat0 = 0.0;
};

// What everything drawn on the globe's disc depends on besides the month: the scales, the
// globe's centre pixel and the view centre. Doubles are compared bit for bit.
struct GlobeFrameKey {
    double scaleX = 0.0;
    double scaleY = 0.0;
    double lon0 = 0.0;
    double lat0 = 0.0;
    int cx = 0;
    int cy = 0;

    static GlobeFrameKey of(const GlobeFrame& frame);
    bool operator==(const GlobeFrameKey& other) const;
};

// The pixel of a point (radians) on the near side of the globe; nothing for the far side, where
// lines drawn over the globe are hidden.
std::optional<ScreenPoint> visiblePixel(const GlobeFrame& frame, double lon, double lat);
