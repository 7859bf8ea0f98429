#include "map/MapRenderer.h"

#include <QImage>

#include "map/BackgroundPicture.h"
#include "map/Coastlines.h"
#include "map/ColourScale.h"
#include "map/GridCells.h"
#include "map/MapOverlays.h"
#include "map/OrthographicPass.h"
#include "map/ViewState.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// Map type without a picture: opaque cells and coastlines.
constexpr std::uint32_t OUTLINES_ONLY = 1;

}  // namespace

void MapRenderer::renderMap(ZSurface& surface, bool withCaption, bool withPositions) {
    if (scene_.view.orthView) {
        renderOrthographic(scene_, surface, withCaption, withPositions);
    } else {
        renderEquirectangular(surface, withCaption, withPositions);
    }
}

void MapRenderer::renderEquirectangular(ZSurface& surface, bool withCaption, bool withPositions) {
    PictureGeometry geometry = beginPicture(surface);
    bool outlines = scene_.view.mapType == OUTLINES_ONLY;
    if (!outlines) {
        drawBackground(surface, scene_.background, geometry.mapRectangle);
    }
    drawGridCells(surface, scene_.database, scene_.view, true, outlines, scene_.progress);
    if (outlines) {
        drawCoastlines(surface, scene_.view);
    }
    drawOverlays(surface, withCaption, withPositions);
}

void MapRenderer::renderToBitmap(ZBitmap& target, bool withCaption, bool withPositions) {
    PictureGeometry geometry = PictureGeometry::of(scene_.view);
    if (!geometry.canBeDrawn()) {
        throw ZException(
            ZFormattedString("Die Karte (%d x %d Pixel) kann nicht erstellt werden. Ein Bild "
                             "darf höchstens %d Millionen Pixel haben.",
                             geometry.width, geometry.height,
                             static_cast<int>(MAX_PICTURE_PIXELS / 1'000'000)),
            0);
    }
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
        renderMap(surface, withCaption, withPositions);
    }
    target.create(image);
}

// A scale that cannot be drawn has no map to frame: the panel stays empty.
void MapRenderer::paintMap(ZSurface& surface, const ZBitmap& mapBitmap, const ZRect& update) {
    surface.copyBitmap(mapBitmap, update);
    if (PictureGeometry::of(scene_.view).canBeDrawn()) {
        drawOverlays(surface, true, true);
    }
}

PictureGeometry MapRenderer::beginPicture(ZSurface& surface) {
    PictureGeometry geometry = PictureGeometry::of(scene_.view);
    scene_.view.mapCentreX = geometry.centreX;
    scene_.view.mapCentreY = geometry.centreY;
    surface.fillRect(geometry.picture(), BACKGROUND_COLOUR);
    return geometry;
}

void MapRenderer::drawOverlays(ZSurface& surface, bool withCaption, bool withPositions) {
    if (scene_.overlays == nullptr) {
        return;
    }
    scene_.overlays->drawGraticule(surface);
    if (withPositions) {
        scene_.overlays->drawPositions(surface);
    }
    if (withCaption) {
        scene_.overlays->drawCaption(surface);
    }
}
