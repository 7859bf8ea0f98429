#include "app/RenderJob.h"

#include "grid/GridDatabase.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"

void RenderJob::run(ZProgress& progress) {
    Viewport viewport(snapshot_.view, snapshot_.centre());
    MapOverlayPainter frameAndLegend(snapshot_.database, snapshot_.captionFont,
                                     snapshot_.labelFont);
    renderer_.renderToBitmap(MapScene{snapshot_.database.grid(), viewport, snapshot_.background,
                                      &frameAndLegend, &progress},
                             picture_, false, false);
    lastingCentre_ = viewport.lastingCentre();
}
