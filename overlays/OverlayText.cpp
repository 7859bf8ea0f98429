#include "overlays/OverlayText.h"

#include "map/PictureGeometry.h"
#include "map/ViewState.h"
#include "toolkit/ui/ZSurface.h"

namespace {

constexpr int LOGICAL_WIDTH = 1060;
constexpr int LOGICAL_HEIGHT = 610;

}  // namespace

bool isLargeMode(const ViewState& view) {
    return view.frameScale > 1.0;
}

void setLargeModeMapping(ZSurface& surface, const ViewState& view) {
    PictureGeometry geometry = PictureGeometry::of(view);
    surface.setIsotropicMapping(LOGICAL_WIDTH, LOGICAL_HEIGHT, geometry.width, geometry.height);
}

void drawOverlayText(ZSurface& surface, const ViewState& view, const ZString& text,
                     const ZRect& rect, unsigned flags) {
    if (!isLargeMode(view)) {
        surface.drawText(text, rect, flags);
        return;
    }
    setLargeModeMapping(surface, view);
    ZRect logical{roundPixel(rect.left / view.scaleX), roundPixel(rect.top / view.scaleY),
                  roundPixel(rect.right / view.scaleX), roundPixel(rect.bottom / view.scaleY)};
    surface.drawText(text, logical, flags);
    surface.resetMapping();
}
