#include "map/EqualEarthLineLayer.h"

#include <cmath>
#include <numbers>

#include "map/Coastlines.h"
#include "map/ColourScale.h"
#include "map/EqualEarth.h"
#include "map/PictureGeometry.h"

namespace {

constexpr double RADIANS = std::numbers::pi / 180;

// A line along a meridian from one latitude to another in steps of half a degree, so that its
// curve stays smooth at every scale.
void meridian(const EqualEarthFrame& frame, double lon, double fromLat, double toLat,
              std::vector<ZPoint>& line) {
    int steps = static_cast<int>(std::abs(toLat - fromLat) * 2);
    for (int i = 0; i <= steps; ++i) {
        double lat = fromLat + (toLat - fromLat) * i / steps;
        ScreenPoint at = frame.toScreen(lon * RADIANS, lat * RADIANS);
        line.push_back(ZPoint{at.x, at.y});
    }
}

std::vector<std::vector<ZPoint>> graticule(const EqualEarthFrame& frame) {
    std::vector<std::vector<ZPoint>> lines;
    for (int lon = -150; lon <= 150; lon += 30) {
        meridian(frame, lon, -90, 90, lines.emplace_back());
    }
    // Parallels are straight.
    for (int lat = -60; lat <= 60; lat += 30) {
        ScreenPoint west = frame.toScreen(-180 * RADIANS, lat * RADIANS);
        ScreenPoint east = frame.toScreen(180 * RADIANS, lat * RADIANS);
        lines.push_back({ZPoint{west.x, west.y}, ZPoint{east.x, east.y}});
    }
    return lines;
}

std::vector<ZPoint> outline(const EqualEarthFrame& frame) {
    std::vector<ZPoint> line;
    meridian(frame, -180, -90, 90, line);
    meridian(frame, 180, 90, -90, line);
    line.push_back(line.front());
    return line;
}

}  // namespace

EqualEarthLineLayer::Key EqualEarthLineLayer::keyOf(const MapScale& scale,
                                                    const PictureGeometry& geometry,
                                                    bool withCoastlines) {
    Key key{scale, geometry.width, geometry.height, withCoastlines, {}};
    if (withCoastlines) {
        key.coastlineFile = ZFile::version(COASTLINE_FILE);
    }
    return key;
}

EqualEarthLineLayer::EqualEarthLineLayer(const Key& key, bool recorded) : key_(key) {
    EqualEarthFrame frame(key.scale);
    if (key.withCoastlines) {
        layer_.add(COASTLINE_COLOUR, 1,
                   traceCoastlines([&](const CoastlinePoint& point) -> std::optional<ScreenPoint> {
                       // The file counts both angles as shares of the full circle.
                       return frame.toScreen((point.a - 0.5) * 2 * std::numbers::pi,
                                             (point.b - 0.25) * 2 * std::numbers::pi);
                   }));
    }
    layer_.add(GLOBE_GRATICULE_COLOUR, 1, graticule(frame));
    layer_.add(COASTLINE_COLOUR, 1, {outline(frame)});
    if (recorded) {
        layer_.record(key.pictureWidth, key.pictureHeight);
    }
}
