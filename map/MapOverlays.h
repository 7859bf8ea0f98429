#pragma once

class ZSurface;

// What is drawn over the map itself: frame with legend, position markers, caption. The render
// passes and the window's paint call these in this order.
class MapOverlays {
public:
    virtual ~MapOverlays() = default;
    // Frame, ticks and degree labels (flat view only), then the legend (both views).
    virtual void drawGraticule(ZSurface& surface) = 0;
    virtual void drawPositions(ZSurface& surface) = 0;
    virtual void drawCaption(ZSurface& surface) = 0;
};
