#include "map/EqualEarthPass.h"

#include <cstdint>

#include "map/ColourScale.h"
#include "map/KeptLayers.h"
#include "map/MapRenderer.h"
#include "map/OrthographicPass.h"
#include "map/Viewport.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZSurface.h"

void renderEqualEarth(const MapScene& scene, KeptLayers& kept, ZSurface& surface, bool withCaption,
                      bool withPositions) {
    const Viewport& viewport = scene.viewport;
    const PictureGeometry& geometry = viewport.geometry();
    const MapScale& scale = viewport.scale();
    const ZRect& map = geometry.mapRectangle;
    surface.fillRect(geometry.picture(), BACKGROUND_COLOUR);
    bool outlines = viewport.choices().outlinesOnly();
    bool keeps = EqualEarthPixelTable::worthKeeping(geometry);

    ZBitmap flat = renderFlatImage(scene);
    if (!flat.isEmpty()) {
        if (scene.progress != nullptr) {
            scene.progress->begin(static_cast<std::uint64_t>(map.width()) * map.height());
        }
        if (keeps) {
            kept.equalEarthPixels(scale, map, flat).draw(surface, flat, scene.progress, true);
        } else {
            drawEqualEarthInBands(surface, scale, map, flat, scene.progress);
        }
    }
    if (keeps) {
        surface.drawLineLayer(kept.equalEarthLines(scale, geometry, outlines).layer());
    } else {
        EqualEarthLineLayer lines(EqualEarthLineLayer::keyOf(scale, geometry, outlines), false);
        surface.drawLineLayer(lines.layer());
    }
    drawMapOverlays(scene, surface, withCaption, withPositions);
}
