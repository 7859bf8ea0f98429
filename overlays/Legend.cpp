#include "overlays/Legend.h"

#include <cstddef>

#include "map/ColourScale.h"
#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/OverlayText.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ui/ZSurface.h"

void drawLegend(ZSurface& surface, const Viewport& viewport) {
    const ColourClasses& classes = ColourScale::of(viewport.choices().colourScale).classes;
    constexpr int boxes = static_cast<int>(COLOUR_SCALE.size());
    double sx = viewport.scale().x;
    double sy = viewport.scale().y;
    int width = roundPixel(1000 * sx / boxes);
    int left, top, height, gap;
    if (isLargeMode(viewport)) {
        left = roundPixel(30 * sx);
        top = roundPixel(550 * sy);
        height = roundPixel(15 * sy);
        gap = roundPixel(7 * sy);
    } else {
        // Centred under the map; at full size the row is one pixel wider than the map and the
        // halved difference truncates to 0.
        left = (roundPixel(1000 * sx) - boxes * width) / 2 + 30;
        top = viewport.geometry().height - 60;
        height = 15;
        gap = 7;
    }
    for (int k = 0; k < boxes; ++k) {
        surface.fillRect(ZRect{left + k * width, top, left + (k + 1) * width, top + height},
                         classes[static_cast<std::size_t>(k)].colour);
    }
    // The last class has no upper border of its own to label.
    for (int k = 0; k + 1 < boxes; ++k) {
        ZRect box{left + k * width, top + height, left + (k + 2) * width, top + 2 * height + gap};
        drawOverlayText(surface, viewport,
                        ZFormattedString("%.1f", classes[static_cast<std::size_t>(k)].upperBound),
                        box, Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
    }
}
