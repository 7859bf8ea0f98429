#include "app/StoredView.h"

#include "overlays/PositionsFile.h"

void StoredView::load() {
    settings = MapSettings::load();
    readPositions(POSITIONS_FILE, positions);
}
