#include "overlays/RegionOutline.h"

#include <cmath>
#include <optional>
#include <vector>

#include "map/Projection.h"
#include "toolkit/ui/ZSurface.h"

namespace {

// Dark magenta stands apart from the colour scale's blues, whites and reds.
constexpr ZColour OUTLINE_COLOUR = zRgb(160, 0, 160);
constexpr double SAMPLE_DEGREES = 0.5;

// A point of the ring in degrees; lon runs on past 180 when the box crosses the date line.
struct RingPoint {
    double lon;
    double lat;
};

// Past 180 the place lies on the western half: 190 is 170 W. Exactly 180 stays east, so the
// flat map's right edge ends a run and its left edge (-180) starts the next.
GeoPosition placeOf(double lon, double lat, bool westOfDateLine) {
    double wrapped = westOfDateLine ? lon - 360 : lon;
    return placeInMinutes(lat, wrapped, lat < 0, wrapped < 0);
}

void sampleEdge(std::vector<RingPoint>& ring, RingPoint from, RingPoint to) {
    double length = std::max(std::fabs(to.lon - from.lon), std::fabs(to.lat - from.lat));
    int steps = std::max(1, static_cast<int>(std::ceil(length / SAMPLE_DEGREES)));
    for (int i = 0; i < steps; ++i) {
        double t = static_cast<double>(i) / steps;
        ring.push_back({from.lon + (to.lon - from.lon) * t, from.lat + (to.lat - from.lat) * t});
    }
}

}  // namespace

void drawRegionOutline(ZSurface& surface, const Projection& projection, const GeoBox& box) {
    const double east = box.east < box.west ? box.east + 360 : box.east;
    std::vector<RingPoint> ring;
    sampleEdge(ring, {box.west, box.south}, {east, box.south});
    sampleEdge(ring, {east, box.south}, {east, box.north});
    sampleEdge(ring, {east, box.north}, {box.west, box.north});
    sampleEdge(ring, {box.west, box.north}, {box.west, box.south});
    ring.push_back(ring.front());

    surface.selectPen(OUTLINE_COLOUR, 2);
    std::optional<ScreenPoint> last;
    bool lastWest = false;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const RingPoint& point = ring[i];
        bool west = point.lon > 180;
        // Where the ring crosses the date line, the run ends on one side and begins on the other.
        if (last && west != lastWest) {
            double crossing = ring[i - 1].lat + (point.lat - ring[i - 1].lat) *
                                                    (180 - ring[i - 1].lon) /
                                                    (point.lon - ring[i - 1].lon);
            if (auto end = projection.toScreen(placeOf(180, crossing, lastWest))) {
                surface.lineTo(end->x, end->y);
            }
            last = projection.toScreen(placeOf(180, crossing, west));
            if (last) {
                surface.moveTo(last->x, last->y);
            }
        }
        std::optional<ScreenPoint> pixel = projection.toScreen(placeOf(point.lon, point.lat, west));
        if (pixel && last) {
            surface.lineTo(pixel->x, pixel->y);
        } else if (pixel) {
            surface.moveTo(pixel->x, pixel->y);
        }
        last = pixel;
        lastWest = west;
    }
    if (last) {
        // lineTo leaves out its end point.
        surface.setPixel(last->x, last->y, OUTLINE_COLOUR);
    }
}
