#pragma once

#include "map/MapOverlays.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;
class PositionList;

// The overlays of the main window's map, read from its dataset and positions at drawing time.
// Without positions (null) no marker and no view-position line are drawn.
class MapOverlayPainter : public MapOverlays {
  public:
    MapOverlayPainter(const GridDatabase& database, const ZFont& captionFont,
                      const ZFont& labelFont, PositionList* positions = nullptr);

    void drawGraticule(ZSurface& surface, const Viewport& viewport) override;
    void drawPositions(ZSurface& surface, const Viewport& viewport) override;
    void drawCaption(ZSurface& surface, const Viewport& viewport) override;

  private:
    const GridDatabase& database_;
    ZFont captionFont_;
    ZFont labelFont_;
    PositionList* positions_;
};
