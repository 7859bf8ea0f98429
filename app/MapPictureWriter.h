#pragma once

#include "map/ViewState.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;
class PositionList;
class ProgressSink;
struct GeoPosition;

// The map as a saved picture, without a window: drawn afresh with the caption and without the
// position markers, then written as GIF, JPEG, PNG or metafile. The view is copied, so neither
// the caller's map centre nor what its globe keeps changes; dataset, background and positions
// are read while writing and must outlive the writer.
class MapPictureWriter {
  public:
    // The globe turns to globeCentre (the view position), or to the view's own centre when it
    // is null; the caption names the view position of the list, when there is one.
    MapPictureWriter(const GridDatabase& database, const ViewState& view, const ZBitmap& background,
                     const GeoPosition* globeCentre, PositionList* positions,
                     const ZFont& captionFont, const ZFont& labelFont);

    // The raster picture at the view's scale.
    ZBitmap render(ProgressSink* progress) const;

    // Each raises ZException when the file cannot be written; a file already there is then left
    // as it was.
    // An octree palette of at most 256 colours with error diffusion.
    void writeGif(const ZString& name, ProgressSink* progress) const;
    void writeJpeg(const ZString& name, ProgressSink* progress) const;
    void writePng(const ZString& name, ProgressSink* progress) const;
    // At ten times the scale, whatever the view's scale; drawn on the calling thread.
    void writeEmf(const ZString& name, ProgressSink* progress) const;

  private:
    const GridDatabase& database_;
    ViewState view_;
    const ZBitmap& background_;
    const GeoPosition* globeCentre_;
    PositionList* positions_;
    ZFont captionFont_;
    ZFont labelFont_;
};
