#pragma once

#include "grid/GeoPosition.h"

struct MapScale;

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

// The flat map works in degrees, the globe in radians. The globe's centre pixel (cx, cy) is the
// map centre of the picture.

GeoAngles positionToRadians(const GeoPosition& position);

// A place in whole degrees and rounded minutes of the angles' magnitudes with the hemispheres
// given. Minutes are not carried: just short of a whole degree the place reads 60', and its
// whole degrees still name the cell the angles lie in.
GeoPosition placeInMinutes(double latDegrees, double lonDegrees, bool south, bool west);

ScreenPoint projectEquirectangular(const MapScale& scale, double lonDegrees, double latDegrees,
                                   bool withFrame);

// A position's pixel on the flat map.
ScreenPoint positionToScreen(const MapScale& scale, const GeoPosition& position, bool withFrame);

// No visibility test: points of the far side land inside the disc as well.
ScreenPoint projectOrthographic(const MapScale& scale, double lon0, double lat0, double lon,
                                double lat, int cx, int cy);

bool isOnNearSide(double lon0, double lat0, double lon, double lat);

// The point of the globe under pixel (x, y), in radians and not normalised. False outside the
// disc, and then angles keep what they held. With fixQuadrant, pixels beyond a visible pole get
// the longitude on the far side of the pole.
bool unprojectOrthographic(const MapScale& scale, int x, int y, int cx, int cy, double lon0,
                           double lat0, bool fixQuadrant, GeoAngles& angles);

// The point of the flat map under a pixel of a picture at frame scale 1 (the window's), in
// degrees; false outside the map.
bool unprojectEquirectangular(const MapScale& scale, int mx, int my, GeoAngles& angles);
