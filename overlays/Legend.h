#pragma once

class ZSurface;
class Viewport;

// The colour scale under the map: eleven boxes, and under each border between two boxes the
// bound that separates their classes; before them the colour of cells without data when the
// scale has one. Uses the font the frame selected.
void drawLegend(ZSurface& surface, const Viewport& viewport);
