#pragma once

#include "map/KeptLayers.h"
#include "toolkit/ui/ZRect.h"

class MapOverlays;
class MonthGrid;
struct PictureGeometry;
class Viewport;
class ZProgress;
class ZBitmap;
class ZSurface;

// Everything a render pass reads. Built by the caller for each pass; nothing in it is changed.
struct MapScene {
    const MonthGrid& grid;
    const Viewport& viewport;
    const ZBitmap& background;
    MapOverlays* overlays = nullptr;
    // The wait dialog's progress bar, null when there is no wait dialog.
    ZProgress* progress = nullptr;
};

// The overlays of a pass: frame with legend, then, when asked, positions and caption.
void drawMapOverlays(const MapScene& scene, ZSurface& surface, bool withCaption,
                     bool withPositions);

// Draws the whole map picture, flat or as a globe, onto any surface or into a bitmap. Lives as
// long as the pictures it draws follow one another (the window's, a command-line run's, an
// animation's) and keeps what later pictures of the same view can reuse.
class MapRenderer {
  public:
    void renderMap(const MapScene& scene, ZSurface& surface, bool withCaption, bool withPositions);
    // Renders into an image of the picture size, the target's own when it has that size, and
    // leaves it in the target.
    void renderToBitmap(const MapScene& scene, ZBitmap& target, bool withCaption,
                        bool withPositions);
    // The window's paint: the cached picture's update rectangle, then the live overlays. Keeps
    // nothing, so it may run while another thread renders.
    static void paintMap(const MapScene& scene, ZSurface& surface, const ZBitmap& mapBitmap,
                         const ZRect& update);

    // Raises ZException, naming the size, when a picture of the geometry may not be made.
    static void requireDrawable(const PictureGeometry& geometry);

    const KeptLayers& kept() const { return kept_; }

  private:
    KeptLayers kept_;
};
