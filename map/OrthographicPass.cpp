#include "map/OrthographicPass.h"

#include <QImage>
#include <cstdint>
#include <mutex>
#include <vector>

#include "map/BackgroundPicture.h"
#include "map/ColourScale.h"
#include "map/GlobeCoastlines.h"
#include "map/GlobeGraticule.h"
#include "map/GlobeLineLayer.h"
#include "map/GlobePixelTable.h"
#include "map/GlobeUnprojection.h"
#include "map/GridCells.h"
#include "map/KeptLayers.h"
#include "map/MapConstants.h"
#include "map/MapRenderer.h"
#include "map/PictureGeometry.h"
#include "map/PictureSampler.h"
#include "map/Viewport.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

// Drawn at the globe's scale, so that the globe samples it at its own resolution.
ZBitmap renderFlatImage(const MapScene& scene) {
    const MapScale& scale = scene.viewport.scale();
    bool outlines = scene.viewport.choices().outlinesOnly();
    QImage image(roundPixel(MAP_WIDTH * scale.x), roundPixel(MAP_HEIGHT * scale.y),
                 QImage::Format_RGB32);
    {
        ZRasterSurface surface(image);
        ZRect whole{0, 0, image.width(), image.height()};
        surface.fillRect(whole, BACKGROUND_COLOUR);
        if (!outlines) {
            drawBackground(surface, scene.background, whole);
        }
        drawGridCells(surface, scene.grid, ColourScale::of(scene.viewport.choices().colourScale),
                      scale, false, outlines, nullptr);
    }
    ZBitmap flat;
    flat.create(image);
    return flat;
}

// The square around the disc into a block of pixels that the surface takes in one call; pixels
// outside the disc are masked and stay as they are.
void drawGlobePixels(ZSurface& surface, const ZBitmap& flat, const GlobeFrame& frame,
                     const PictureGeometry& geometry, ZProgress* progress) {
    int left = frame.cx - geometry.radiusX;
    int top = frame.cy - geometry.radiusY;
    int width = 2 * geometry.radiusX + 1;
    int height = 2 * geometry.radiusY + 1;
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width) * height);
    std::vector<std::uint8_t> mask(rgb.size(), 0);
    // The percentage refers to the product of the diameters, and the square visited is a little
    // larger, so the last pixels may report 101.
    if (progress != nullptr) {
        progress->begin(static_cast<std::uint64_t>(geometry.diameterX) * geometry.diameterY);
    }
    std::mutex counting;
    PictureSampler picture(flat);
    unprojectGlobeSquare(frame, geometry.radiusX, geometry.radiusY,
                         [&](int i, const std::vector<GlobePoint>& column) {
                             for (int j = 0; j < height; ++j) {
                                 const GlobePoint& point = column[j];
                                 if (point.inside) {
                                     std::size_t at = static_cast<std::size_t>(j) * width + i;
                                     rgb[at] = picture.rgbAt(point.angles.lon, point.angles.lat);
                                     mask[at] = 1;
                                 }
                             }
                             if (progress != nullptr) {
                                 std::lock_guard lock(counting);
                                 progress->advance(height);
                             }
                         });
    surface.drawPixels(left, top, width, height, rgb.data(), mask.data());
}

void renderOrthographic(const MapScene& scene, KeptLayers& kept, ZSurface& surface,
                        bool withCaption, bool withPositions) {
    const Viewport& viewport = scene.viewport;
    const PictureGeometry& geometry = viewport.geometry();
    surface.fillRect(geometry.picture(), BACKGROUND_COLOUR);
    bool outlines = viewport.choices().outlinesOnly();
    GeoAngles centre = viewport.globeCentre();
    GlobeFrame frame{viewport.scale(), geometry.centreX, geometry.centreY, centre.lon, centre.lat};

    // What depends only on the viewport is kept for the next pass, unless the picture is too
    // large to keep tables for (the metafile's).
    bool keeps = GlobePixelTable::worthKeeping(geometry);
    ZBitmap flat = renderFlatImage(scene);
    if (keeps && !flat.isEmpty()) {
        kept.pixels(frame, geometry, flat).draw(surface, flat, scene.progress);
    } else {
        drawGlobePixels(surface, flat, frame, geometry, scene.progress);
    }

    if (keeps) {
        surface.drawLineLayer(kept.lines(frame, geometry, outlines).layer());
    } else {
        GlobeLines graticule = traceGlobeGraticule(frame);
        if (outlines) {
            GlobeLines coasts = traceGlobeCoastlines(frame);
            surface.selectPen(COASTLINE_COLOUR, 2);
            coasts.draw(surface);
        }
        surface.selectPen(GLOBE_GRATICULE_COLOUR, 1);
        graticule.draw(surface);
    }
    int left = geometry.centreX - geometry.radiusX;
    int top = geometry.centreY - geometry.radiusY;
    surface.drawEllipse(ZRect{left, top, left + geometry.diameterX, top + geometry.diameterY},
                        GLOBE_OUTLINE_COLOUR, 1.0);

    // In this view the graticule's frame is left out and only the legend is drawn.
    drawMapOverlays(scene, surface, withCaption, withPositions);
}
