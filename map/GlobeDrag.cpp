#include "map/GlobeDrag.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "map/MapConstants.h"
#include "map/Viewport.h"

namespace {

// How far a press may wander and still be a click, in pixels either way.
constexpr int CLICK_SLACK = 3;

// The point of the unit sphere under a pixel, seen from the viewer: x east, y north, z towards
// the viewer.
struct Seen {
    double x;
    double y;
    double z;
};

Seen seenAt(const MapScale& scale, int cx, int cy, int x, int y) {
    double px = (x - cx) / (GLOBE_RADIUS * scale.x);
    double py = (cy - y) / (GLOBE_RADIUS * scale.y);
    double r2 = px * px + py * py;
    if (r2 >= 1) {
        double r = std::sqrt(r2);
        return Seen{px / r, py / r, 0.0};
    }
    return Seen{px, py, std::sqrt(1 - r2)};
}

double wrapped(double lon) {
    return std::remainder(lon, 2 * PI);
}

}  // namespace

GlobeDrag::GlobeDrag(const Viewport& viewport, int x, int y)
    : scale_(viewport.scale()),
      cx_(viewport.geometry().centreX),
      cy_(viewport.geometry().centreY),
      pressX_(x),
      pressY_(y),
      start_(viewport.globeCentre()) {
    double dx = (x - cx_) / (GLOBE_RADIUS * scale_.x);
    double dy = (y - cy_) / (GLOBE_RADIUS * scale_.y);
    grabbed_ = dx * dx + dy * dy < 1;
    // The pressed place: the seen point turned back by the centre.
    Seen v = seenAt(scale_, cx_, cy_, x, y);
    double sinLat0 = std::sin(start_.lat);
    double cosLat0 = std::cos(start_.lat);
    pressed_.lat = std::asin(std::clamp(v.y * cosLat0 + v.z * sinLat0, -1.0, 1.0));
    pressed_.lon = start_.lon + std::atan2(v.x, v.z * cosLat0 - v.y * sinLat0);
}

bool GlobeDrag::beyondClick(int x, int y) const {
    return std::abs(x - pressX_) > CLICK_SLACK || std::abs(y - pressY_) > CLICK_SLACK;
}

GeoAngles GlobeDrag::centreFor(int x, int y) const {
    Seen v = seenAt(scale_, cx_, cy_, x, y);
    // The pressed place's latitude fixes the centre's: sin(lat) = R sin(lat0 + alpha).
    double r = std::hypot(v.y, v.z);
    double alpha = std::atan2(v.y, v.z);
    double turn = std::asin(std::clamp(std::sin(pressed_.lat) / r, -1.0, 1.0));
    double lat0 = turn - alpha;
    double other = PI - turn - alpha;
    // Of the two centres, the one that keeps north up, nearer the start when both do.
    bool firstFits = std::fabs(lat0) <= HALF_PI;
    bool otherFits = std::fabs(other) <= HALF_PI;
    if (!firstFits || (otherFits && std::fabs(other - start_.lat) < std::fabs(lat0 - start_.lat))) {
        lat0 = otherFits ? other : std::clamp(lat0, -HALF_PI, HALF_PI);
    }
    double lon0 = pressed_.lon - std::atan2(v.x, v.z * std::cos(lat0) - v.y * std::sin(lat0));
    return GeoAngles{wrapped(lon0), lat0};
}
