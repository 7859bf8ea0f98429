#include "map/MapRenderer.h"

#include <QImage>

#include "map/MapOverlays.h"
#include "map/ViewState.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZSurface.h"

namespace {

ZRect pictureRect(const ViewState& view) {
    return ZRect{0, 0,
                 static_cast<int>(ZSystem::round(1000.0 * view.scaleX + 60.0 * view.frameScale, 0)),
                 static_cast<int>(ZSystem::round(500.0 * view.scaleY + 110.0 * view.frameScale, 0))};
}

}  // namespace

// Interim pass: a white picture of the right size until the map passes exist.
void MapRenderer::renderMap(ZSurface& surface, bool, bool) {
    surface.fillRect(pictureRect(scene_.view), zRgb(255, 255, 255));
}

void MapRenderer::renderToBitmap(ZBitmap& target, bool, bool) {
    ZRect size = pictureRect(scene_.view);
    QImage image(size.width(), size.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    target.create(image);
}

void MapRenderer::paintMap(ZSurface& surface, const ZBitmap& mapBitmap, const ZRect& update) {
    surface.copyBitmap(mapBitmap, update);
    if (scene_.overlays) {
        scene_.overlays->drawGraticule(surface);
        scene_.overlays->drawPositions(surface);
        scene_.overlays->drawCaption(surface);
    }
}
