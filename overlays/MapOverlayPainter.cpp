#include "overlays/MapOverlayPainter.h"

#include "grid/GridDatabase.h"
#include "overlays/Caption.h"
#include "overlays/Graticule.h"
#include "overlays/Legend.h"
#include "overlays/PositionMarkers.h"
#include "positions/PositionList.h"

MapOverlayPainter::MapOverlayPainter(const GridDatabase& database, const ViewState& view,
                                     const ZFont& captionFont, const ZFont& labelFont,
                                     PositionList* positions)
    : database_(database),
      view_(view),
      captionFont_(captionFont),
      labelFont_(labelFont),
      positions_(positions) {}

void MapOverlayPainter::drawGraticule(ZSurface& surface) {
    ::drawGraticule(surface, view_, labelFont_);
    drawLegend(surface, view_);
}

void MapOverlayPainter::drawPositions(ZSurface& surface) {
    if (positions_ != nullptr) {
        ::drawPositions(surface, view_, *positions_);
    }
}

// The bottom-left line names the view position and its cell's value, when there is one.
void MapOverlayPainter::drawCaption(ZSurface& surface) {
    ZString positionLine;
    const Position* viewPosition = positions_ ? positions_->viewPosition() : nullptr;
    if (viewPosition != nullptr) {
        positionLine =
            viewPositionLine(viewPosition->name, database_.valueAt(viewPosition->coordinates));
    }
    ::drawCaption(surface, view_, captionTitle(database_), positionLine, captionFont_, labelFont_);
}
