#include "map/EquirectangularProjection.h"

std::optional<ScreenPoint> EquirectangularProjection::toScreen(const GeoPosition& place) const {
    return markerPixel(place);
}

std::optional<GeoPosition> EquirectangularProjection::toGeo(int x, int y) const {
    GeoAngles angles;
    if (!unprojectEquirectangular(scale_, x, y, angles)) {
        return std::nullopt;
    }
    // On the flat map the equator itself reads south, the prime meridian east.
    return placeInMinutes(angles.lat, angles.lon, !(angles.lat > 0), angles.lon < 0);
}

ScreenPoint EquirectangularProjection::markerPixel(const GeoPosition& place) const {
    return positionToScreen(scale_, place, true);
}
