#include "overlays/Legend.h"

#include <cstddef>

#include "map/ColourScale.h"
#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/OverlayText.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ui/ZSurface.h"

void drawLegend(ZSurface& surface, const Viewport& viewport) {
    const ColourScale scale = ColourScale::of(viewport.choices().colourScale);
    const ColourClasses& classes = scale.classes;
    // A scale that colours the cells without data shows that colour first, a little apart.
    const int first = scale.noData ? 1 : 0;
    const int count = static_cast<int>(classes.size());
    const int boxes = count + first;
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
    const unsigned flags = Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE;
    if (scale.noData) {
        int centre = left + (width - gap) / 2;
        surface.fillRect(ZRect{left, top, left + width - gap, top + height}, *scale.noData);
        drawOverlayText(surface, viewport, ztr("Keine Daten"),
                        ZRect{centre - width, top + height, centre + width, top + 2 * height + gap},
                        flags);
    }
    for (int k = 0; k < count; ++k) {
        int x = left + (k + first) * width;
        surface.fillRect(ZRect{x, top, x + width, top + height},
                         classes[static_cast<std::size_t>(k)].colour);
    }
    // The last class has no upper border of its own to label.
    for (int k = 0; k + 1 < count; ++k) {
        int x = left + (k + first) * width;
        drawOverlayText(surface, viewport,
                        ZFormattedString("%.1f", classes[static_cast<std::size_t>(k)].upperBound),
                        ZRect{x, top + height, x + 2 * width, top + 2 * height + gap}, flags);
    }
}
