#pragma once

#include "grid/GeoPosition.h"
#include "map/PictureGeometry.h"
#include "toolkit/ui/ZRect.h"

class GridDatabase;
class MapOverlays;
class ZProgress;
class ZBitmap;
class ZSurface;
struct ViewState;

// Everything a render pass reads. Built by the caller for each pass.
struct MapScene {
    const GridDatabase& database;
    ViewState& view;
    const ZBitmap& background;
    // The view position (centre of the globe), null when there is none.
    const GeoPosition* viewPosition = nullptr;
    MapOverlays* overlays = nullptr;
    // The wait dialog's progress bar, null when there is no wait dialog.
    ZProgress* progress = nullptr;
};

// Draws the whole map picture, flat or as a globe, onto any surface or into a bitmap.
class MapRenderer {
  public:
    explicit MapRenderer(MapScene scene) : scene_(scene) {}

    void renderMap(ZSurface& surface, bool withCaption, bool withPositions);
    // The whole Earth: picture or coastlines, cells, frame with legend, and on request the
    // positions and the caption.
    void renderEquirectangular(ZSurface& surface, bool withCaption, bool withPositions);
    // Renders into an image of the picture size, the target's own when it has that size, and
    // leaves it in the target.
    void renderToBitmap(ZBitmap& target, bool withCaption, bool withPositions);
    // The window's paint: the cached picture's update rectangle, then the live overlays.
    void paintMap(ZSurface& surface, const ZBitmap& mapBitmap, const ZRect& update);

  private:
    // Shared by both views: stores the map centre for this picture and paints it white.
    PictureGeometry beginPicture(ZSurface& surface);
    // Frame with legend, then, when asked, positions and caption.
    void drawOverlays(ZSurface& surface, bool withCaption, bool withPositions);

    MapScene scene_;
};
