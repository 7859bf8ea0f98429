#pragma once

class ZSurface;
struct ZRect;

// How the map panel reports to the window that owns it. Points are the panel's client pixels,
// which are the pixels of the map picture.
class MapPanelListener {
  public:
    virtual ~MapPanelListener() = default;
    virtual void paintMap(ZSurface& surface, const ZRect& update) = 0;
    virtual void editPositionAt(int x, int y) = 0;
    virtual void removePositionAt(int x, int y) = 0;
    virtual void mouseMovedTo(int x, int y) = 0;
    // The left button pressed and released, for turning the globe by hand.
    virtual void leftPressedAt(int x, int y) = 0;
    virtual void leftReleasedAt(int x, int y) = 0;
};
