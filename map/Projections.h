#pragma once

#include "grid/GeoPosition.h"

struct ViewState;

// A pixel of the picture.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// Longitude (east positive) and latitude (north positive), in degrees or radians as the
// operation says.
struct GeoAngles {
    double lon = 0.0;
    double lat = 0.0;
};

// The flat map works in degrees, the globe in radians. The scales come from the view; the
// globe centre (cx, cy) is the map centre of the render pass.

GeoAngles positionToRadians(const GeoPosition& position);

ScreenPoint projectEquirectangular(const ViewState& view, double lonDegrees, double latDegrees,
                                   bool withFrame);

// In the globe view every position is drawn at the centre, because the globe is centred on
// the position that is drawn there; forceFlat asks for the flat map's pixel regardless.
ScreenPoint positionToScreen(const ViewState& view, const GeoPosition& position, bool withFrame,
                             bool forceFlat);

// No visibility test: points of the far side land inside the disc as well.
ScreenPoint projectOrthographic(const ViewState& view, double lon0, double lat0, double lon,
                                double lat, int cx, int cy);

bool isOnNearSide(double lon0, double lat0, double lon, double lat);

// The point of the globe under pixel (x, y), in radians and not normalised. False outside the
// disc, and then angles keep what they held. With fixQuadrant, pixels beyond a visible pole get
// the longitude on the far side of the pole.
bool unprojectOrthographic(const ViewState& view, int x, int y, int cx, int cy, double lon0,
                           double lat0, bool fixQuadrant, GeoAngles& angles);

// The point of the flat map under a window pixel, in degrees; false outside the map. The window
// always shows the picture at frame scale 1.
bool unprojectEquirectangular(const ViewState& view, int mx, int my, GeoAngles& angles);
