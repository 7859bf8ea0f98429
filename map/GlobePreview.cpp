#include "map/GlobePreview.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "map/ColourScale.h"
#include "map/GlobeCoastlines.h"
#include "map/GlobeGraticule.h"
#include "map/MapConstants.h"
#include "map/MapRenderer.h"
#include "map/PictureSampler.h"
#include "map/VectorState.h"
#include "map/Viewport.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZSurface.h"

void renderGlobePreview(const MapScene& scene, const ZBitmap& flat, ZSurface& surface) {
    const Viewport& viewport = scene.viewport;
    const PictureGeometry& geometry = viewport.geometry();
    const MapScale& scale = viewport.scale();
    GeoAngles centre = viewport.globeCentre();
    GlobeFrame frame{scale, geometry.centreX, geometry.centreY, centre.lon, centre.lat};
    surface.fillRect(geometry.picture(), BACKGROUND_COLOUR);

    int left = geometry.centreX - geometry.radiusX;
    int top = geometry.centreY - geometry.radiusY;
    int width = 2 * geometry.radiusX + 1;
    int height = 2 * geometry.radiusY + 1;
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width) * height);
    std::vector<std::uint8_t> mask(rgb.size(), 0);
    PictureSampler picture(flat);
    double sinLat0 = std::sin(centre.lat);
    double cosLat0 = std::cos(centre.lat);
    double radiusX = GLOBE_RADIUS * scale.x;
    double radiusY = GLOBE_RADIUS * scale.y;
    auto rows = [&](int first, int last) {
        clearVectorUpperState();
        for (int j = first; j < last; ++j) {
            double py = (geometry.centreY - (top + j)) / radiusY;
            for (int i = 0; i < width; ++i) {
                double px = (left + i - geometry.centreX) / radiusX;
                double z2 = 1 - px * px - py * py;
                if (!(z2 > 0) || picture.isEmpty()) {
                    continue;
                }
                double pz = std::sqrt(z2);
                double lat = std::asin(std::clamp(py * cosLat0 + pz * sinLat0, -1.0, 1.0));
                double lon = centre.lon + std::atan2(px, pz * cosLat0 - py * sinLat0);
                std::size_t at = static_cast<std::size_t>(j) * width + i;
                rgb[at] = picture.rgbAt(lon, lat);
                mask[at] = 1;
            }
        }
    };
    if (std::thread::hardware_concurrency() > 1) {
        std::jthread lower(rows, height / 2, height);
        rows(0, height / 2);
    } else {
        rows(0, height);
    }
    surface.drawPixels(left, top, width, height, rgb.data(), mask.data());

    if (viewport.choices().outlinesOnly()) {
        surface.selectPen(COASTLINE_COLOUR, 2);
        traceGlobeCoastlines(frame).draw(surface);
    }
    surface.selectPen(GLOBE_GRATICULE_COLOUR, 1);
    traceGlobeGraticule(frame).draw(surface);
    surface.drawEllipse(ZRect{left, top, left + geometry.diameterX, top + geometry.diameterY},
                        GLOBE_OUTLINE_COLOUR, 1.0);
    drawMapOverlays(scene, surface, false, false);
}
