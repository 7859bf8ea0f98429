#include "map/Projections.h"

#include <algorithm>
#include <cmath>

#include "map/MapConstants.h"
#include "map/MapScale.h"
#include "map/PictureGeometry.h"
#include "toolkit/ZSystem.h"

GeoAngles positionToRadians(const GeoPosition& position) {
    GeoAngles angles;
    // In doubles: a place read from a file may hold any 32-bit numbers.
    double latMinutes = position.latDegrees * 60.0 + position.latMinutes;
    double lonMinutes = position.lonDegrees * 60.0 + position.lonMinutes;
    angles.lat = latMinutes * ONE_5400TH * HALF_PI;
    angles.lon = lonMinutes * ONE_10800TH * PI;
    if (position.south) {
        angles.lat = -angles.lat;
    }
    if (position.west) {
        angles.lon = -angles.lon;
    }
    return angles;
}

namespace {

void splitDegrees(double degrees, std::int32_t& whole, std::int32_t& minutes) {
    double magnitude = std::fabs(degrees);
    double integral = std::floor(magnitude);
    whole = static_cast<std::int32_t>(integral);
    minutes = static_cast<std::int32_t>(ZSystem::round((magnitude - integral) * 60, 0));
}

}  // namespace

GeoPosition placeInMinutes(double latDegrees, double lonDegrees, bool south, bool west) {
    GeoPosition place;
    place.south = south ? 1 : 0;
    place.west = west ? 1 : 0;
    splitDegrees(latDegrees, place.latDegrees, place.latMinutes);
    splitDegrees(lonDegrees, place.lonDegrees, place.lonMinutes);
    return place;
}

ScreenPoint projectEquirectangular(const MapScale& scale, double lonDegrees, double latDegrees,
                                   bool withFrame) {
    double frame = withFrame ? FRAME_MARGIN * scale.frame : 0.0;
    return ScreenPoint{roundPixel((lonDegrees + 180) * PIXELS_PER_DEGREE * scale.x + frame),
                       roundPixel((90 - latDegrees) * PIXELS_PER_DEGREE * scale.y + frame)};
}

ScreenPoint positionToScreen(const MapScale& scale, const GeoPosition& position, bool withFrame) {
    double lat = position.latDegrees + position.latMinutes * ONE_SIXTIETH;
    double lon = position.lonDegrees + position.lonMinutes * ONE_SIXTIETH;
    if (position.south) {
        lat = -lat;
    }
    if (position.west) {
        lon = -lon;
    }
    return projectEquirectangular(scale, lon, lat, withFrame);
}

ScreenPoint projectOrthographic(const MapScale& scale, double lon0, double lat0, double lon,
                                double lat, int cx, int cy) {
    double delta = lon - lon0;
    double x = std::sin(delta) * std::cos(lat) * scale.x * GLOBE_RADIUS;
    double y = (std::cos(lat0) * std::sin(lat) - std::sin(lat0) * std::cos(lat) * std::cos(delta)) *
               scale.y * GLOBE_RADIUS;
    return ScreenPoint{cx + roundPixel(x), cy - roundPixel(y)};
}

bool isOnNearSide(double lon0, double lat0, double lon, double lat) {
    double cosine =
        std::cos(lon0 - lon) * std::cos(lat) * std::cos(lat0) + std::sin(lat) * std::sin(lat0);
    return std::acos(std::clamp(cosine, -1.0, 1.0)) < HALF_PI;
}

namespace {

// The inverse without the quadrant correction: the longitude stays within a quarter turn of
// the centre's.
bool unprojectPlain(const MapScale& scale, int x, int y, int cx, int cy, double lon0, double lat0,
                    GeoAngles& angles) {
    int dx = x - cx;
    int dy = y - cy;
    double radius = GLOBE_RADIUS * scale.x;
    if (!(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) < radius)) {
        return false;
    }
    double px = dx / radius;
    double py = (cy - y) / (GLOBE_RADIUS * scale.y);
    double rho = 0.0001;
    double c = 0.0;
    if (dx != 0 || dy != 0) {
        rho = std::sqrt(px * px + py * py);
        c = std::asin(std::min(rho, 1.0));
    }
    double sinLat = std::cos(c) * std::sin(lat0) + py * std::sin(c) * std::cos(lat0) / rho;
    angles.lat = std::asin(std::clamp(sinLat, -1.0, 1.0));
    double turn =
        std::atan(px * std::sin(c) /
                  (rho * std::cos(lat0) * std::cos(c) - py * std::sin(lat0) * std::sin(c)));
    // The pixel showing a pole in the centre column divides 0 by 0; it keeps the centre's
    // longitude, like the rest of its column on the near side of the pole.
    angles.lon = lon0 + (std::isnan(turn) ? 0.0 : turn);
    return true;
}

}  // namespace

bool unprojectOrthographic(const MapScale& scale, int x, int y, int cx, int cy, double lon0,
                           double lat0, bool fixQuadrant, GeoAngles& angles) {
    GeoAngles here = angles;
    if (!unprojectPlain(scale, x, y, cx, cy, lon0, lat0, here)) {
        return false;
    }
    if (fixQuadrant) {
        GeoAngles below;
        if (unprojectPlain(scale, x, y + 1, cx, cy, lon0, lat0, below)) {
            GeoAngles above;
            if (!unprojectPlain(scale, x, y - 1, cx, cy, lon0, lat0, above)) {
                // The topmost pixel of a column has no neighbour above to compare with: it
                // shows what the pixel below it shows, longitude and latitude.
                return unprojectOrthographic(scale, x, y + 1, cx, cy, lon0, lat0, true, angles);
            }
            // The latitude falls towards the top beyond the north pole and towards the bottom
            // beyond the south pole; the extreme of a column takes its neighbour's correction.
            bool fallsUpward = above.lat < here.lat;
            bool risesDownward = below.lat > here.lat;
            if (fallsUpward && risesDownward) {
                here.lon += PI;
            } else if (fallsUpward) {
                here.lon = above.lon + PI;
            } else if (risesDownward) {
                here.lon = below.lon + PI;
            }
        }
    }
    angles = here;
    return true;
}

bool unprojectEquirectangular(const MapScale& scale, int mx, int my, GeoAngles& angles) {
    double x = (mx - FRAME_MARGIN) / scale.x;
    double y = (my - FRAME_MARGIN) / scale.y;
    if (!(x >= 0 && x < MAP_WIDTH && y >= 0 && y < MAP_HEIGHT)) {
        return false;
    }
    angles.lon = x * DEGREES_PER_PIXEL - 180;
    angles.lat = 90 - y * DEGREES_PER_PIXEL;
    return true;
}
