#include "app/RenderJob.h"

#include "map/MapRenderer.h"
#include "overlays/MapOverlayPainter.h"

void RenderJob::run(ZProgress& progress) {
    ViewState& view = snapshot_.view;
    MapOverlayPainter frameAndLegend(snapshot_.database, view, snapshot_.captionFont,
                                     snapshot_.labelFont);
    MapRenderer(MapScene{snapshot_.database, view, snapshot_.background, snapshot_.centre(),
                         &frameAndLegend, &progress})
        .renderToBitmap(picture_, false, false);
}
