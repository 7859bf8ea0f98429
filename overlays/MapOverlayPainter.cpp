#include "overlays/MapOverlayPainter.h"

#include "grid/GridDatabase.h"
#include "overlays/Caption.h"
#include "overlays/Graticule.h"
#include "overlays/Legend.h"
#include "overlays/PositionMarkers.h"
#include "positions/PositionList.h"

MapOverlayPainter::MapOverlayPainter(const GridDatabase& database, const ZFont& captionFont,
                                     const ZFont& labelFont, PositionList* positions)
    : database_(database),
      captionFont_(captionFont),
      labelFont_(labelFont),
      positions_(positions) {}

void MapOverlayPainter::drawGraticule(ZSurface& surface, const Viewport& viewport) {
    ::drawGraticule(surface, viewport, labelFont_);
    drawLegend(surface, viewport);
}

void MapOverlayPainter::drawPositions(ZSurface& surface, const Viewport& viewport) {
    if (positions_ != nullptr) {
        ::drawPositions(surface, viewport, *positions_);
    }
}

// The bottom-left line names the view position and its cell's value, when there is one.
void MapOverlayPainter::drawCaption(ZSurface& surface, const Viewport& viewport) {
    ZString positionLine;
    const Position* viewPosition = positions_ ? positions_->viewPosition() : nullptr;
    if (viewPosition != nullptr) {
        positionLine = viewPositionLine(viewPosition->name,
                                        database_.grid().valueAt(viewPosition->coordinates));
    }
    ::drawCaption(surface, viewport, captionTitle(database_), positionLine, captionFont_,
                  labelFont_, database_.baselineName());
}
