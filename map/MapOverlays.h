#pragma once

class Viewport;
class ZSurface;

// What is drawn over the map itself: frame with legend, position markers, caption, each laid out
// for the viewport of the picture. The render passes and the window's paint call these in this
// order.
class MapOverlays {
  public:
    virtual ~MapOverlays() = default;
    // Frame, ticks and degree labels (where the projection has a degree frame), then the legend.
    virtual void drawGraticule(ZSurface& surface, const Viewport& viewport) = 0;
    virtual void drawPositions(ZSurface& surface, const Viewport& viewport) = 0;
    virtual void drawCaption(ZSurface& surface, const Viewport& viewport) = 0;
};
