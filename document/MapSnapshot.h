#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "grid/GeoPosition.h"
#include "map/ViewChoices.h"
#include "positions/Position.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;

// What a picture of the map is drawn from, taken on the user-interface thread: the dataset, the
// view, its background picture, the globe's centre, the positions in their order (the first is
// the view position, which the caption names) and the two fonts. Everything but the dataset is
// a copy; the dataset is only read and must not change while a picture is drawn from it.
struct MapSnapshot {
    MapSnapshot(const GridDatabase& database, ViewChoices view, ZBitmap background)
        : database(database), view(std::move(view)), background(std::move(background)) {}

    const GridDatabase& database;
    ViewChoices view;
    ZBitmap background;
    // The globe turns here; without it to the view's own centre.
    std::optional<GeoPosition> globeCentre;
    std::vector<Position> positions;
    // Whether the first of the positions is the view position; only then has an export their
    // column.
    bool hasViewPosition = false;
    ZFont captionFont;
    ZFont labelFont;

    const GeoPosition* centre() const { return globeCentre ? &*globeCentre : nullptr; }
};
