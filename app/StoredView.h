#pragma once

#include <cstdint>

#include "map/ViewState.h"
#include "overlays/PositionList.h"
#include "toolkit/ZString.h"

// What the viewer would show in the working directory, read the way its window reads it at
// start: "init.txt" (a missing file or value takes the window's default) and the positions of
// "positions.txt". Nothing is written.
struct StoredView {
    ZString dataset;
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    bool yearAverage = false;
    // Map type, scale and globe; the globe's centre is the view position, when there is one.
    ViewState view;
    PositionList positions;

    void load();
};
