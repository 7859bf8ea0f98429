#pragma once

#include <cmath>

#include "grid/GeoPosition.h"

// A place in signed degrees, south and west below zero; the fraction gives whole minutes.
inline GeoPosition place(double lat, double lon) {
    GeoPosition p;
    p.south = std::signbit(lat);
    p.west = std::signbit(lon);
    p.latDegrees = static_cast<int>(std::fabs(lat));
    p.lonDegrees = static_cast<int>(std::fabs(lon));
    p.latMinutes = static_cast<int>(std::lround((std::fabs(lat) - p.latDegrees) * 60));
    p.lonMinutes = static_cast<int>(std::lround((std::fabs(lon) - p.lonDegrees) * 60));
    return p;
}
