#pragma once

#include <cstdint>

#include "map/ViewChoices.h"
#include "toolkit/ZString.h"

// What "init.txt" keeps between runs: the dataset, the month shown and how the map is drawn.
// The window reads it at start and writes it on closing; the command line reads it as the
// window would. The members' initial values are the defaults.
struct MapSettings {
    ZString dataset = "data/cru/hadcrut3v.dat";
    std::uint32_t year = 1990;
    std::uint32_t month = 6;
    bool yearAverage = false;
    std::uint32_t scalePercent = 75;
    // 1 outlines only, 2 satellite picture, 3 land/water, 4 night.
    std::uint32_t mapType = 2;
    bool globe = false;

    static constexpr const char* FILE_NAME = "init.txt";

    // Reads the file in the working directory. A setting that is missing, empty or 0 (and a
    // missing file) takes its default; any other value is taken as it stands, a negative scale
    // included, as the program has always read it.
    static MapSettings load();
    // Replaces the file as a whole, one "KEY=value" line per setting; the old file stays when
    // the new one cannot be written. Raises ZException then.
    void save() const;

    // The view these settings choose: map type, scale and globe.
    ViewChoices view() const;

    bool operator==(const MapSettings&) const = default;
};
