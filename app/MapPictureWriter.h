#pragma once

#include "map/MapRenderer.h"
#include "map/ViewChoices.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;
class PositionList;
class ProgressSink;
struct GeoPosition;

// The map as a saved picture, without a window: drawn afresh with the caption and without the
// position markers, then written as GIF, JPEG, PNG or metafile. The view choices are copied;
// dataset, background and positions are read while writing and must outlive the writer.
class MapPictureWriter {
  public:
    // The globe turns to globeCentre (the view position), or to the view's own centre when it
    // is null; the caption names the view position of the list, when there is one. The
    // renderer given (a copy of the window's) lends what its globe keeps, which this writer's
    // pictures reuse without changing the window's.
    MapPictureWriter(const GridDatabase& database, const ViewChoices& view,
                     const ZBitmap& background, const GeoPosition* globeCentre,
                     PositionList* positions, const ZFont& captionFont, const ZFont& labelFont,
                     const MapRenderer& renderer = MapRenderer());

    // The raster picture at the view's scale.
    ZBitmap render(ProgressSink* progress);

    // Each raises ZException when the file cannot be written; a file already there is then left
    // as it was.
    // An octree palette of at most 256 colours with error diffusion.
    void writeGif(const ZString& name, ProgressSink* progress);
    void writeJpeg(const ZString& name, ProgressSink* progress);
    void writePng(const ZString& name, ProgressSink* progress);
    // At ten times the scale, whatever the view's scale; drawn on the calling thread.
    void writeEmf(const ZString& name, ProgressSink* progress);

  private:
    const GridDatabase& database_;
    ViewChoices view_;
    const ZBitmap& background_;
    const GeoPosition* globeCentre_;
    PositionList* positions_;
    ZFont captionFont_;
    ZFont labelFont_;
    MapRenderer renderer_;
};
