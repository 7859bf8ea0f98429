#include "overlays/PositionMarkers.h"

#include "map/Viewport.h"
#include "positions/PositionList.h"
#include "toolkit/ui/ZSurface.h"

namespace {

constexpr ZColour VIEW_POSITION_COLOUR = zRgb(0, 0, 255);
constexpr ZColour RED_POSITION_COLOUR = zRgb(255, 0, 0);

}  // namespace

void drawPositions(ZSurface& surface, const Viewport& viewport, PositionList& positions) {
    std::size_t drawn = 0;
    positions.forEach([&](std::uint32_t, Position& position) {
        // The globe turned by hand may hide the view position behind it.
        if (!viewport.projection().isVisible(position.coordinates)) {
            return !viewport.projection().followsViewPosition();
        }
        ScreenPoint at = viewport.projection().markerPixel(position.coordinates);
        position.x = at.x;
        position.y = at.y;
        surface.moveTo(at.x - 6, at.y - 6);
        surface.lineTo(at.x + 8, at.y + 8);
        surface.moveTo(at.x + 8, at.y - 6);
        surface.lineTo(at.x - 6, at.y + 8);
        surface.fillRect(ZRect{at.x - 1, at.y - 1, at.x + 3, at.y + 3},
                         drawn == 0 ? VIEW_POSITION_COLOUR : RED_POSITION_COLOUR);
        ++drawn;
        return !viewport.projection().followsViewPosition();
    });
    positions.setDrawnMarkers(drawn);
}
