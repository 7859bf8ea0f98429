#pragma once

#include "grid/GeoPosition.h"
#include "toolkit/ZString.h"

class MonthGrid;
class Viewport;

// "52° 31' N / 13° 24' O": degrees and minutes of latitude and longitude with the hemispheres'
// letters. The text is kept in the position as well.
ZString toText(GeoPosition& position);

// The place under a point of the map panel, true when the point shows the Earth. The place is
// cleared first in every case.
bool pointToGeoPosition(const Viewport& viewport, int x, int y, GeoPosition& place);

// A position marker under the mouse: its name and the place it stands for.
struct PositionHit {
    ZString name;
    GeoPosition coordinates;
};

// The two texts of the status bar: where the mouse is, and the value of the cell there.
struct ReadoutTexts {
    ZString location;
    ZString value;
};

// The read-out for a point of the map panel. Over a position marker (hit, null for none) the
// marker's name and place are shown and its own cell's value; otherwise the place under the
// point, or two empty texts off the map. The value text is empty where the cell has no data.
ReadoutTexts readoutTexts(const MonthGrid& grid, const Viewport& viewport, int x, int y,
                          const PositionHit* hit);
