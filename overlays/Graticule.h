#pragma once

class ZFont;
class ZSurface;
class Viewport;

// Selects the label font and a black pen one pixel wide, which the legend and the position
// crosses draw with afterwards; then, where the projection has a degree frame, draws it around the
// map with ticks every 60 degrees of longitude and 30 of latitude and their degree labels.
void drawGraticule(ZSurface& surface, const Viewport& viewport, const ZFont& labelFont);
