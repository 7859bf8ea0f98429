#include "map/EqualEarthProjection.h"

#include <numbers>

std::optional<ScreenPoint> EqualEarthProjection::toScreen(const GeoPosition& place) const {
    return markerPixel(place);
}

std::optional<GeoPosition> EqualEarthProjection::toGeo(int x, int y) const {
    GeoAngles angles;
    if (!frame_.toPlace(x, y, angles)) {
        return std::nullopt;
    }
    double lat = angles.lat * 180 / std::numbers::pi;
    double lon = angles.lon * 180 / std::numbers::pi;
    // The hemispheres as the flat map names them: the equator reads south, the prime meridian
    // east.
    return placeInMinutes(lat, lon, !(lat > 0), lon < 0);
}

ScreenPoint EqualEarthProjection::markerPixel(const GeoPosition& place) const {
    double lat = place.latDegrees + place.latMinutes / 60.0;
    double lon = place.lonDegrees + place.lonMinutes / 60.0;
    constexpr double RADIANS = std::numbers::pi / 180;
    return frame_.toScreen((place.west ? -lon : lon) * RADIANS,
                           (place.south ? -lat : lat) * RADIANS);
}
