#include "map/GlobePreview.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>

#include "map/Coastlines.h"
#include "map/ColourScale.h"
#include "map/GlobeFrame.h"
#include "map/MapConstants.h"
#include "map/MapRenderer.h"
#include "map/OrthographicPass.h"
#include "map/PictureSampler.h"
#include "map/VectorState.h"
#include "map/Viewport.h"
#include "toolkit/ui/ZSurface.h"

namespace {

constexpr double DEGREE = PI / 180;

}  // namespace

GlobePreview::GlobePreview(const MapScene& scene) : flat_(renderFlatImage(scene)) {
    auto add = [](std::vector<Point>& points, double lon, double lat, bool penDown) {
        points.push_back(Point{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon),
                               std::sin(lat), penDown});
    };
    // The full pass's graticule: meridians and parallels every 15 degrees, in steps of one.
    for (int m = -180; m < 180; m += 15) {
        for (int l = -90; l <= 90; ++l) {
            add(graticule_, m * DEGREE, l * DEGREE, l != -90);
        }
    }
    for (int p = -75; p < 90; p += 15) {
        for (int k = -180; k <= 180; ++k) {
            add(graticule_, k * DEGREE, p * DEGREE, k != -180);
        }
    }
    if (scene.viewport.choices().outlinesOnly()) {
        bool penDown = false;
        for (const CoastlinePoint& point : *keptCoastlines()) {
            if (point.isPenLift()) {
                penDown = false;
                continue;
            }
            add(coastlines_, point.a * TWO_PI - PI, point.b * TWO_PI - HALF_PI, penDown);
            penDown = true;
        }
    }
}

void GlobePreview::render(const MapScene& scene, ZSurface& surface) const {
    const Viewport& viewport = scene.viewport;
    const PictureGeometry& geometry = viewport.geometry();
    GeoAngles centre = viewport.globeCentre();
    GlobeFrame frame{viewport.scale(), geometry.centreX, geometry.centreY, centre.lon, centre.lat};
    surface.fillRect(geometry.picture(), BACKGROUND_COLOUR);
    drawPixels(scene, surface);
    surface.selectPen(COASTLINE_COLOUR, 1);
    drawLines(coastlines_, frame, surface);
    surface.selectPen(GLOBE_GRATICULE_COLOUR, 1);
    drawLines(graticule_, frame, surface);
    int left = geometry.centreX - geometry.radiusX;
    int top = geometry.centreY - geometry.radiusY;
    surface.drawEllipse(ZRect{left, top, left + geometry.diameterX, top + geometry.diameterY},
                        GLOBE_OUTLINE_COLOUR, 1.0);
    drawMapOverlays(scene, surface, false, false);
}

void GlobePreview::drawPixels(const MapScene& scene, ZSurface& surface) const {
    const Viewport& viewport = scene.viewport;
    const PictureGeometry& geometry = viewport.geometry();
    GeoAngles centre = viewport.globeCentre();
    int left = geometry.centreX - geometry.radiusX;
    int top = geometry.centreY - geometry.radiusY;
    int width = 2 * geometry.radiusX + 1;
    int height = 2 * geometry.radiusY + 1;
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width) * height);
    std::vector<std::uint8_t> mask(rgb.size(), 0);
    PictureSampler picture(flat_);
    if (picture.isEmpty()) {
        return;
    }
    double sinLat0 = std::sin(centre.lat);
    double cosLat0 = std::cos(centre.lat);
    double radiusX = GLOBE_RADIUS * viewport.scale().x;
    double radiusY = GLOBE_RADIUS * viewport.scale().y;
    auto inside = [&](int i, int j) {
        double px = (left + i - geometry.centreX) / radiusX;
        double py = (geometry.centreY - (top + j)) / radiusY;
        return px * px + py * py < 1;
    };
    // Rows of blocks two pixels high; each block takes the colour its top-left pixel shows.
    auto rows = [&](int first, int last) {
        clearVectorUpperState();
        for (int j = first; j < last; j += 2) {
            double py = (geometry.centreY - (top + j)) / radiusY;
            for (int i = 0; i < width; i += 2) {
                double px = (left + i - geometry.centreX) / radiusX;
                double pz = std::sqrt(std::max(0.0, 1 - px * px - py * py));
                double lat = std::asin(std::clamp(py * cosLat0 + pz * sinLat0, -1.0, 1.0));
                double lon = centre.lon + std::atan2(px, pz * cosLat0 - py * sinLat0);
                std::uint32_t colour = picture.rgbAt(lon, lat);
                for (int b = j; b < std::min(j + 2, height); ++b) {
                    for (int a = i; a < std::min(i + 2, width); ++a) {
                        if (inside(a, b)) {
                            std::size_t at = static_cast<std::size_t>(b) * width + a;
                            rgb[at] = colour;
                            mask[at] = 1;
                        }
                    }
                }
            }
        }
    };
    if (std::thread::hardware_concurrency() > 1) {
        int split = height / 4 * 2;
        std::jthread lower(rows, split, height);
        rows(0, split);
    } else {
        rows(0, height);
    }
    surface.drawPixels(left, top, width, height, rgb.data(), mask.data());
}

void GlobePreview::drawLines(const std::vector<Point>& points, const GlobeFrame& frame,
                             ZSurface& surface) {
    double sinLon0 = std::sin(frame.lon0);
    double cosLon0 = std::cos(frame.lon0);
    double sinLat0 = std::sin(frame.lat0);
    double cosLat0 = std::cos(frame.lat0);
    double radiusX = GLOBE_RADIUS * frame.scale.x;
    double radiusY = GLOBE_RADIUS * frame.scale.y;
    bool drawing = false;
    for (const Point& p : points) {
        // The point seen from above the centre: x east, y north, z towards the viewer.
        double east = p.y * cosLon0 - p.x * sinLon0;
        double along = p.x * cosLon0 + p.y * sinLon0;
        double north = cosLat0 * p.z - sinLat0 * along;
        double near = sinLat0 * p.z + cosLat0 * along;
        if (!(near > 0)) {
            drawing = false;
            continue;
        }
        int x = frame.cx + static_cast<int>(std::lround(east * radiusX));
        int y = frame.cy - static_cast<int>(std::lround(north * radiusY));
        if (drawing && p.penDown) {
            surface.lineTo(x, y);
        } else {
            surface.moveTo(x, y);
        }
        drawing = true;
    }
}
