#include "overlays/MapOverlayPainter.h"

#include "overlays/Caption.h"
#include "overlays/Graticule.h"
#include "overlays/Legend.h"

MapOverlayPainter::MapOverlayPainter(const GridDatabase& database, const ViewState& view,
                                     const ZFont& captionFont, const ZFont& labelFont)
    : database_(database), view_(view), captionFont_(captionFont), labelFont_(labelFont) {}

void MapOverlayPainter::drawGraticule(ZSurface& surface) {
    ::drawGraticule(surface, view_, labelFont_);
    drawLegend(surface, view_);
}

// The window has no positions yet, so there is nothing to mark.
void MapOverlayPainter::drawPositions(ZSurface&) {}

// Without positions there is no view position, and so no line for it.
void MapOverlayPainter::drawCaption(ZSurface& surface) {
    ::drawCaption(surface, view_, captionTitle(database_), ZString(), captionFont_, labelFont_);
}
