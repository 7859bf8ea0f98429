#include "map/GridCells.h"

#include <cstdint>
#include <vector>

#include "grid/MonthGrid.h"
#include "map/ColourScale.h"
#include "map/Projections.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZSurface.h"

void drawGridCells(ZSurface& surface, const MonthGrid& grid, const ColourScale& colours,
                   const MapScale& scale, bool withFrame, bool opaque, ZProgress* progress) {
    if (!grid.hasCells()) {
        return;
    }
    // Each corner is projected on its own, so neighbouring cells share their edges exactly.
    double size = grid.cellSize();
    std::vector<int> xs(grid.columns() + 1);
    for (std::uint32_t c = 0; c <= grid.columns(); ++c) {
        xs[c] = projectEquirectangular(scale, -180 + size * c, 0, withFrame).x;
    }
    std::vector<int> ys(grid.rows() + 1);
    for (std::uint32_t r = 0; r <= grid.rows(); ++r) {
        ys[r] = projectEquirectangular(scale, 0, 90 - size * r, withFrame).y;
    }
    if (progress != nullptr) {
        progress->begin(static_cast<std::uint64_t>(grid.rows()) * grid.columns());
    }
    // Neighbours of one colour in a row are filled as one rectangle: they share their edges, so
    // the run covers exactly the pixels of its cells, each once, and a pixel's colour depends
    // only on what lay under it. Fewer and longer fills cost far less than one per cell.
    auto fill = [&](const ZRect& run, ZColour colour) {
        if (opaque) {
            surface.fillRect(run, colour);
        } else {
            surface.fillTranslucent(run, translucentCellColour(colour));
        }
    };
    for (std::uint32_t r = 0; r < grid.rows(); ++r) {
        bool open = false;
        ZColour runColour = 0;
        std::uint32_t runStart = 0;
        for (std::uint32_t c = 0; c < grid.columns(); ++c) {
            if (progress != nullptr) {
                progress->step();
            }
            double value = grid.cellValue(c, r);
            bool known = hasData(value);
            bool drawn = known || colours.noData.has_value();
            ZColour colour =
                known ? colourForValue(value, colours.classes) : colours.noData.value_or(0);
            if (open && (!drawn || colour != runColour)) {
                fill(ZRect{xs[runStart], ys[r], xs[c], ys[r + 1]}, runColour);
                open = false;
            }
            if (drawn && !open) {
                open = true;
                runColour = colour;
                runStart = c;
            }
        }
        if (open) {
            fill(ZRect{xs[runStart], ys[r], xs[grid.columns()], ys[r + 1]}, runColour);
        }
    }
}
