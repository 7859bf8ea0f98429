#pragma once

// The factors a picture is laid out with: the map's horizontal and vertical scale, and the
// frame's (1 on screen and in raster pictures, ten in the metafile).
struct MapScale {
    double x = 0.75;
    double y = 0.75;
    double frame = 1.0;

    bool operator==(const MapScale&) const = default;
};
