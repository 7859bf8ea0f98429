#pragma once

class Projection;
class ZSurface;

// A latitude-longitude box in degrees, east and north positive; west > east crosses the date
// line (170 to -170).
struct GeoBox {
    double west = 0;
    double south = 0;
    double east = 0;
    double north = 0;

    bool operator==(const GeoBox&) const = default;
};

// The box's outline over the map, traced through the projection so that it follows every view:
// each edge sampled every half degree and drawn as a polyline, broken where a point is hidden
// (the globe's far side) and at the date line, where the flat map's edges meet.
void drawRegionOutline(ZSurface& surface, const Projection& projection, const GeoBox& box);
