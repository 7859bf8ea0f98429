#pragma once

#include <cstdint>

#include "toolkit/ZString.h"

class GridDatabase;
class MonthSelection;
class Viewport;
class ZFont;
class ZSurface;
struct GridFigures;

// The program's address in the source line of every map.
inline constexpr const char* WEB_ADDRESS = "https://sorvo-visualizer.example.org";

// "Jan" .. "Dez"; empty for a number that is no month.
const char* monthAbbreviation(std::uint32_t month);

// Dataset file, date, and the global value with the share of the Earth that has data, or
// "Keine Daten".
ZString captionTitle(const ZString& fileName, const MonthSelection& selection,
                     const GridFigures& figures);
// The same for the open dataset's shown month.
ZString captionTitle(const GridDatabase& database);

// "name:  +0.123°C" for the value of the view position's cell, "name: Keine Daten" without one.
ZString viewPositionLine(const ZString& name, double value);

// "Abweichungen in Grad Celsius (1961-90) - " and the web address; with a baseline the user
// chose, that span ("(1991-2020)") in place of the file's.
ZString sourceLine(const ZString& baseline = ZString());

// The title above the map, the view position's line at the bottom left (left out when empty)
// and the source line at the bottom right, naming the baseline when there is one.
void drawCaption(ZSurface& surface, const Viewport& viewport, const ZString& title,
                 const ZString& positionLine, const ZFont& captionFont, const ZFont& labelFont,
                 const ZString& baseline = ZString());
