#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "map/Projections.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZLineLayer.h"

class ZSurface;
struct MapScale;

// The coastline file in the working directory.
inline constexpr const char* COASTLINE_FILE = "worldmap.txt";

// One line of the file: a is the longitude as a share of the full circle from 180 degrees
// west, b the latitude in the same unit from the south pole. An a above 1 lifts the pen.
struct CoastlinePoint {
    float a = 0.0f;
    float b = 0.0f;

    bool isPenLift() const { return a > 1.0f; }
};

// Two numbers separated by white space, with a decimal point or comma; what does not read as a
// number leaves its value 0. The locale of the process plays no part.
CoastlinePoint parseCoastlineLine(const ZString& line);

// Where a point is drawn, or nothing when it is hidden (which lifts the pen as well).
using CoastlinePlacer = std::function<std::optional<ScreenPoint>(const CoastlinePoint&)>;

// The points of the coastline file without its empty lines, parsed once for each version of the
// file (a file replaced or rewritten is read anew), so that a month step only draws. Empty
// without the file. Never changed once made: passes on different threads may share it.
std::shared_ptr<const std::vector<CoastlinePoint>> keptCoastlines();

// Whether the coastline file is there to be read.
bool coastlinesReadable();

// The runs of consecutive placed points of the coastline file, each to be joined by lines. Without
// the file there are none and the map goes on without coastlines.
std::vector<std::vector<ZPoint>> traceCoastlines(const CoastlinePlacer& place);

// Where the flat map's coastlines run at the scale.
std::vector<std::vector<ZPoint>> traceFlatCoastlines(const MapScale& scale);

// The coastlines of the flat map, black and one pixel wide, drawn line by line.
void drawCoastlines(ZSurface& surface, const MapScale& scale);
