#pragma once

#include "map/MapOverlays.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;
class PositionList;
struct ViewState;

// The overlays of the main window's map, read from its dataset, view and positions at drawing
// time. Without positions (null) no marker and no view-position line are drawn.
class MapOverlayPainter : public MapOverlays {
  public:
    MapOverlayPainter(const GridDatabase& database, const ViewState& view, const ZFont& captionFont,
                      const ZFont& labelFont, PositionList* positions = nullptr);

    void drawGraticule(ZSurface& surface) override;
    void drawPositions(ZSurface& surface) override;
    void drawCaption(ZSurface& surface) override;

  private:
    const GridDatabase& database_;
    const ViewState& view_;
    ZFont captionFont_;
    ZFont labelFont_;
    PositionList* positions_;
};
