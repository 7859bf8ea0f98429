#pragma once

#include "toolkit/ZString.h"
#include "toolkit/ui/ZRect.h"

class ZSurface;
class Viewport;

// The overlays are laid out for a picture of 1060 x 610 at scale 1. A picture drawn larger than
// that (the metafile at ten times the size) keeps the fonts and maps this logical space onto the
// whole picture, so that texts grow with the map.
bool isLargeMode(const Viewport& viewport);

// Maps the logical 1060 x 610 picture onto the viewport's picture.
void setLargeModeMapping(ZSurface& surface, const Viewport& viewport);

// A label in a rectangle given in picture pixels: drawn directly, or in large mode through the
// logical space, the rectangle divided by the scales.
void drawOverlayText(ZSurface& surface, const Viewport& viewport, const ZString& text,
                     const ZRect& rect, unsigned flags);
