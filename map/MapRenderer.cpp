#include "map/MapRenderer.h"

#include <QImage>

#include "map/BackgroundPicture.h"
#include "map/Coastlines.h"
#include "map/ColourScale.h"
#include "map/EqualEarthPass.h"
#include "map/GridCells.h"
#include "map/MapOverlays.h"
#include "map/OrthographicPass.h"
#include "map/Viewport.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// The whole Earth: picture or coastlines, cells, then the overlays.
void renderEquirectangular(const MapScene& scene, KeptLayers& kept, ZSurface& surface,
                           bool withCaption, bool withPositions) {
    const Viewport& viewport = scene.viewport;
    const PictureGeometry& geometry = viewport.geometry();
    surface.fillRect(geometry.picture(), BACKGROUND_COLOUR);
    bool outlines = viewport.choices().outlinesOnly();
    if (!outlines) {
        drawBackground(surface, scene.background, geometry.mapRectangle);
    }
    drawGridCells(surface, scene.grid, ColourScale::of(viewport.choices().colourScale),
                  viewport.scale(), true, outlines, scene.progress);
    if (outlines) {
        // Kept from one month to the next below the globe's limit for kept tables, which
        // leaves the metafile's large picture to draw its lines one by one.
        if (GlobePixelTable::worthKeeping(geometry)) {
            surface.drawLineLayer(kept.flatCoastlines(viewport.scale(), geometry).layer());
        } else {
            drawCoastlines(surface, viewport.scale());
        }
    }
    drawMapOverlays(scene, surface, withCaption, withPositions);
}

}  // namespace

void drawMapOverlays(const MapScene& scene, ZSurface& surface, bool withCaption,
                     bool withPositions) {
    if (scene.overlays == nullptr) {
        return;
    }
    scene.overlays->drawGraticule(surface, scene.viewport);
    if (withPositions) {
        scene.overlays->drawPositions(surface, scene.viewport);
    }
    if (withCaption) {
        scene.overlays->drawCaption(surface, scene.viewport);
    }
}

void MapRenderer::renderMap(const MapScene& scene, ZSurface& surface, bool withCaption,
                            bool withPositions) {
    if (scene.viewport.choices().globe) {
        renderOrthographic(scene, kept_, surface, withCaption, withPositions);
    } else if (scene.viewport.choices().equalEarth) {
        renderEqualEarth(scene, kept_, surface, withCaption, withPositions);
    } else {
        renderEquirectangular(scene, kept_, surface, withCaption, withPositions);
    }
}

void MapRenderer::requireDrawable(const PictureGeometry& geometry) {
    if (!geometry.canBeDrawn()) {
        throw ZException(
            ZFormattedString("Die Karte (%d x %d Pixel) kann nicht erstellt werden. Ein Bild "
                             "darf höchstens %d Millionen Pixel haben.",
                             geometry.width, geometry.height,
                             static_cast<int>(MAX_PICTURE_PIXELS / 1'000'000)),
            0);
    }
}

void MapRenderer::renderToBitmap(const MapScene& scene, ZBitmap& target, bool withCaption,
                                 bool withPositions) {
    const PictureGeometry& geometry = scene.viewport.geometry();
    requireDrawable(geometry);
    // The target's own pixels are drawn over when they have the picture's size: every pass
    // first paints the whole picture white, so nothing of the last one shows through. Letting
    // go of the target first leaves the pixels to this image alone, so drawing copies nothing.
    QImage image = target.image();
    target.close();
    if (image.size() != QSize(geometry.width, geometry.height)) {
        image = QImage(geometry.width, geometry.height, QImage::Format_RGB32);
    }
    if (image.isNull()) {
        // A scale typed into the settings by hand can ask for more than memory allows.
        throw ZException(ZFormattedString("Die Karte (%d x %d Pixel) kann nicht erstellt werden.",
                                          geometry.width, geometry.height),
                         0);
    }
    {
        ZRasterSurface surface(image);
        renderMap(scene, surface, withCaption, withPositions);
    }
    target.create(image);
}

// A scale that cannot be drawn has no map to frame: the panel stays empty.
void MapRenderer::paintMap(const MapScene& scene, ZSurface& surface, const ZBitmap& mapBitmap,
                           const ZRect& update) {
    surface.copyBitmap(mapBitmap, update);
    if (scene.viewport.geometry().canBeDrawn()) {
        drawMapOverlays(scene, surface, true, true);
    }
}
