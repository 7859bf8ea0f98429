#pragma once

#include <vector>

#include "animation/AnimationSpan.h"
#include "document/MapSnapshot.h"
#include "grid/GridDatabase.h"
#include "grid/GridSourceDescription.h"
#include "map/ViewChoices.h"
#include "positions/Position.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"

// Everything an animation is drawn from, copied when it starts, so that the writer needs no
// window: the dataset, the view (scale, map type, globe), its background picture, the
// positions in their order (the first, the view position, turns the globe and names its value
// in the caption; markers are not drawn), the caption's fonts and the span.
struct AnimationRequest {
    GridSourceDescription dataset;
    ViewChoices view;
    ZBitmap background;
    std::vector<Position> positions;
    ZFont captionFont;
    ZFont labelFont;
    AnimationSpan span;
    // False keeps the view's own globe centre (chosen on the command line) while the caption
    // still names the view position.
    bool turnToViewPosition = true;

    // The snapshot's dataset, view, background, positions and fonts over the span; the globe
    // turns where the snapshot's does.
    static AnimationRequest of(const MapSnapshot& snapshot, const AnimationSpan& span) {
        return AnimationRequest{snapshot.database.description(),
                                snapshot.view,
                                snapshot.background,
                                snapshot.positions,
                                snapshot.captionFont,
                                snapshot.labelFont,
                                span,
                                snapshot.globeCentre.has_value()};
    }
};
