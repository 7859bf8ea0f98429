#pragma once

#include "map/MapOverlays.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;
struct ViewState;

// The overlays of the main window's map, read from its dataset and view at drawing time.
class MapOverlayPainter : public MapOverlays {
  public:
    MapOverlayPainter(const GridDatabase& database, const ViewState& view, const ZFont& captionFont,
                      const ZFont& labelFont);

    void drawGraticule(ZSurface& surface) override;
    void drawPositions(ZSurface& surface) override;
    void drawCaption(ZSurface& surface) override;

  private:
    const GridDatabase& database_;
    const ViewState& view_;
    ZFont captionFont_;
    ZFont labelFont_;
};
