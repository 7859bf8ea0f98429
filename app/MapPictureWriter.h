#pragma once

#include "app/PictureFormat.h"
#include "document/MapSnapshot.h"
#include "map/MapRenderer.h"
#include "positions/PositionList.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZBitmap.h"

class ZProgress;

// The map as a saved picture, without a window: drawn afresh with the caption and without the
// position markers, then written as GIF, JPEG, PNG, SVG or metafile. Each picture is drawn from the
// snapshot, which is read while writing and must outlive the writer.
class MapPictureWriter {
  public:
    // The caption names the snapshot's view position, when there is one. The renderer given (a
    // copy of the window's) lends what its globe keeps, which this writer's pictures reuse
    // without changing the window's.
    explicit MapPictureWriter(const MapSnapshot& snapshot,
                              const MapRenderer& renderer = MapRenderer());

    // The raster picture at the view's scale.
    ZBitmap render(ZProgress* progress) const;

    // Each raises ZException when the file cannot be written; a file already there is then left
    // as it was.
    // An octree palette of at most 256 colours with error diffusion.
    void writeGif(const ZString& name, ZProgress* progress) const;
    void writeJpeg(const ZString& name, ZProgress* progress) const;
    void writePng(const ZString& name, ZProgress* progress) const;
    // At ten times the scale, whatever the view's scale; drawn on the calling thread.
    void writeEmf(const ZString& name, ZProgress* progress) const;
    // Cells, lines and texts as vector elements, the background picture and the globe's disc
    // embedded, at the view's scale.
    void writeSvg(const ZString& name, ZProgress* progress) const;
    // One of the five above.
    void write(PictureFormat format, const ZString& name, ZProgress* progress) const;

  private:
    const MapSnapshot& snapshot_;
    // The caption's view position; drawing counts markers into it, though none is drawn.
    mutable PositionList positions_;
    mutable MapRenderer renderer_;
};
