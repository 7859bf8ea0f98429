#include "app/StoredView.h"

#include "positions/PositionsFile.h"

void StoredView::load() {
    settings = MapSettings::load();
    readPositions(POSITIONS_FILE, positions);
}
