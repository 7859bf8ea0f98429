#include "map/EqualEarth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/MapConstants.h"
#include "map/PictureGeometry.h"

namespace {

constexpr double A1 = 1.340264;
constexpr double A2 = -0.081106;
constexpr double A3 = 0.000893;
constexpr double A4 = 0.003796;
// sin(theta) = M sin(latitude) makes the map equal-area.
const double M = std::sqrt(3.0) / 2;

// The parametric latitude's polynomial and its derivative.
double polynomial(double t) {
    double t2 = t * t;
    double t6 = t2 * t2 * t2;
    return t * (A1 + A2 * t2 + t6 * (A3 + A4 * t2));
}

double derivative(double t) {
    double t2 = t * t;
    double t6 = t2 * t2 * t2;
    return A1 + 3 * A2 * t2 + t6 * (7 * A3 + 9 * A4 * t2);
}

}  // namespace

double equalEarthHalfWidth() {
    return std::numbers::pi / (M * A1);
}

double equalEarthHalfHeight() {
    return polynomial(std::numbers::pi / 3);
}

ProjectedPoint equalEarthForward(double lon, double lat) {
    double t = std::asin(M * std::sin(lat));
    return ProjectedPoint{lon * std::cos(t) / (M * derivative(t)), polynomial(t)};
}

bool equalEarthInverse(const ProjectedPoint& point, GeoAngles& angles) {
    constexpr double POLE = std::numbers::pi / 3;
    if (!(std::fabs(point.y) <= equalEarthHalfHeight())) {
        return false;
    }
    // Newton's steps on the polynomial, which rises steadily from the equator to the poles;
    // a few reach the double's precision.
    double t = point.y / A1;
    for (int step = 0; step < 20; ++step) {
        double change = (polynomial(t) - point.y) / derivative(t);
        t -= change;
        if (std::fabs(change) < 1e-15) {
            break;
        }
    }
    t = std::clamp(t, -POLE, POLE);
    double lon = M * point.x * derivative(t) / std::cos(t);
    // The outline's own points may come back a rounding error beyond 180 degrees.
    if (!(std::fabs(lon) <= std::numbers::pi + 1e-12)) {
        return false;
    }
    angles.lon = std::clamp(lon, -std::numbers::pi, std::numbers::pi);
    angles.lat = std::asin(std::clamp(std::sin(t) / M, -1.0, 1.0));
    return true;
}

EqualEarthFrame::EqualEarthFrame(const MapScale& scale)
    : originX_(FRAME_MARGIN * scale.frame + MAP_WIDTH * scale.x / 2),
      originY_(FRAME_MARGIN * scale.frame + MAP_HEIGHT * scale.y / 2),
      unitX_(MAP_WIDTH * scale.x / (2 * equalEarthHalfWidth())),
      unitY_(MAP_WIDTH * scale.y / (2 * equalEarthHalfWidth())) {}

ProjectedPoint EqualEarthFrame::toPixel(double lon, double lat) const {
    ProjectedPoint at = equalEarthForward(lon, lat);
    return ProjectedPoint{originX_ + at.x * unitX_, originY_ - at.y * unitY_};
}

ScreenPoint EqualEarthFrame::toScreen(double lon, double lat) const {
    ProjectedPoint at = toPixel(lon, lat);
    return ScreenPoint{roundPixel(at.x), roundPixel(at.y)};
}

bool EqualEarthFrame::toPlace(double x, double y, GeoAngles& angles) const {
    return equalEarthInverse(ProjectedPoint{(x - originX_) / unitX_, (originY_ - y) / unitY_},
                             angles);
}
