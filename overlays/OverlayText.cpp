#include "overlays/OverlayText.h"

#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "toolkit/ui/ZSurface.h"

namespace {

constexpr int LOGICAL_WIDTH = 1060;
constexpr int LOGICAL_HEIGHT = 610;

}  // namespace

bool isLargeMode(const Viewport& viewport) {
    return viewport.largeText();
}

void setLargeModeMapping(ZSurface& surface, const Viewport& viewport) {
    const PictureGeometry& geometry = viewport.geometry();
    surface.setIsotropicMapping(LOGICAL_WIDTH, LOGICAL_HEIGHT, geometry.width, geometry.height);
}

void drawOverlayText(ZSurface& surface, const Viewport& viewport, const ZString& text,
                     const ZRect& rect, unsigned flags) {
    if (!isLargeMode(viewport)) {
        surface.drawText(text, rect, flags);
        return;
    }
    setLargeModeMapping(surface, viewport);
    const MapScale& scale = viewport.scale();
    ZRect logical{roundPixel(rect.left / scale.x), roundPixel(rect.top / scale.y),
                  roundPixel(rect.right / scale.x), roundPixel(rect.bottom / scale.y)};
    surface.drawText(text, logical, flags);
    surface.resetMapping();
}
