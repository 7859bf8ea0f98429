#pragma once

#include "app/MapSettings.h"
#include "positions/PositionList.h"

// What the viewer would show in the working directory, read the way its window reads it at
// start: the settings of "init.txt" and the positions of "positions.txt". Nothing is written.
struct StoredView {
    MapSettings settings;
    PositionList positions;

    static constexpr const char* POSITIONS_FILE = "positions.txt";

    void load();
};
