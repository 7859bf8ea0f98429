#pragma once

class MonthGrid;
struct ColourScale;
class ZProgress;
class ZSurface;
struct MapScale;

// Every cell with data in its colour of the scale, and those without in the scale's no-data
// colour when it has one, opaque or translucent, row by row from the north. With the frame the
// cells lie at the picture's margin; without it they fill an image of the map alone from its
// origin. The progress counts every cell, with data or not; null reports nothing.
void drawGridCells(ZSurface& surface, const MonthGrid& grid, const ColourScale& colours,
                   const MapScale& scale, bool withFrame, bool opaque, ZProgress* progress);
