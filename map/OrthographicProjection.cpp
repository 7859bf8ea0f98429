#include "map/OrthographicProjection.h"

#include "map/MapConstants.h"

std::optional<ScreenPoint> OrthographicProjection::toScreen(const GeoPosition& place) const {
    if (!isVisible(place)) {
        return std::nullopt;
    }
    GeoAngles at = positionToRadians(place);
    return projectOrthographic(scale_, view_.lon, view_.lat, at.lon, at.lat, centre_.x, centre_.y);
}

std::optional<GeoPosition> OrthographicProjection::toGeo(int x, int y) const {
    GeoAngles angles;
    if (!unprojectOrthographic(scale_, x, y, centre_.x, centre_.y, view_.lon, view_.lat, true,
                               angles)) {
        return std::nullopt;
    }
    double lat = angles.lat * TWO_OVER_PI * 5400 / 60;
    double lon = angles.lon * INV_TWO_PI * 21600 / 60;
    // Beyond a pole the longitude lies half a turn away and may leave the usual range.
    while (lon > 180) {
        lon -= 360;
    }
    while (lon < -180) {
        lon += 360;
    }
    return placeInMinutes(lat, lon, lat < 0, lon < 0);
}

bool OrthographicProjection::isVisible(const GeoPosition& place) const {
    GeoAngles at = positionToRadians(place);
    return isOnNearSide(view_.lon, view_.lat, at.lon, at.lat);
}

ScreenPoint OrthographicProjection::markerPixel(const GeoPosition& place) const {
    GeoAngles at = positionToRadians(place);
    return projectOrthographic(scale_, view_.lon, view_.lat, at.lon, at.lat, centre_.x, centre_.y);
}
