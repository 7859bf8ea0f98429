#include "map/GridCells.h"

#include <cstdint>
#include <vector>

#include "grid/GridDatabase.h"
#include "map/ColourScale.h"
#include "map/ProgressCounter.h"
#include "map/Projections.h"
#include "toolkit/ui/ZSurface.h"

void drawGridCells(ZSurface& surface, const GridDatabase& grid, const ViewState& view,
                   bool withFrame, bool opaque, ProgressSink* progress) {
    if (grid.rows == 0 || grid.columns == 0 || !grid.values) {
        return;
    }
    // Each corner is projected on its own, so neighbouring cells share their edges exactly.
    double size = grid.cellSize;
    std::vector<int> xs(grid.columns + 1);
    for (std::uint32_t c = 0; c <= grid.columns; ++c) {
        xs[c] = projectEquirectangular(view, -180 + size * c, 0, withFrame).x;
    }
    std::vector<int> ys(grid.rows + 1);
    for (std::uint32_t r = 0; r <= grid.rows; ++r) {
        ys[r] = projectEquirectangular(view, 0, 90 - size * r, withFrame).y;
    }
    ProgressCounter counter(progress, static_cast<std::int64_t>(grid.rows) * grid.columns);
    for (std::uint32_t r = 0; r < grid.rows; ++r) {
        for (std::uint32_t c = 0; c < grid.columns; ++c) {
            counter.step();
            double value = grid.cellValue(c, r);
            if (!hasData(value)) {
                continue;
            }
            ZRect cell{xs[c], ys[r], xs[c + 1], ys[r + 1]};
            ZColour colour = colourForValue(value);
            if (opaque) {
                surface.fillRect(cell, colour);
            } else {
                surface.fillTranslucent(cell, translucentCellColour(colour));
            }
        }
    }
}
