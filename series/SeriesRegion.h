#pragma once

#include <cstdint>
#include <string>

#include "grid/GeoPosition.h"

// What one series averages: the global figures, a position's cell, or an area of cells. A cell
// belongs to an area when its centre lies inside it (edges included), so every cell is wholly in
// or wholly out and the areas of the two hemispheres add up to the globe's.
struct SeriesRegion {
    enum class Kind {
        GlobalValue,
        CoveredMean,
        Position,
        Northern,
        Southern,
        Tropics,
        Arctic,
        Box,
        Band
    };
    Kind kind = Kind::GlobalValue;
    // Position: the position's id in the document's list (1 = the view position) and its place.
    std::uint32_t positionId = 1;
    GeoPosition place;
    // Box: west, south, east, north in degrees; west > east crosses the date line (170, .., -170,
    // ..). Band: south and north only.
    double west = -180, south = -90, east = 180, north = 90;

    // The command line's words: global|mean|position[:N]|nh|sh|tropics|arctic|box:W,S,E,N|band:S,N
    // (N = a position's id). Raises ZException with a German message naming the text.
    static SeriesRegion parse(const std::string& text);
    // Empty when the region can be computed, else a German message (empty box, south >= north,
    // ...).
    std::string problem() const;
    // The German legend text, e.g. "Globaler Wert (wie in der Kopfzeile)",
    // "Flächenmittel der Zellen mit Daten", "Nordhalbkugel", "Box 170° O bis 170° W, 10° S bis 10°
    // N".
    std::string label() const;

    // Whether a cell centre (signed degrees, west and south negative) lies in the region: every
    // centre for the global kinds, none for a position (its one cell is looked up).
    bool holdsCentre(double latitude, double longitude) const;
};
