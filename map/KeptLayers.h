#pragma once

#include <memory>

#include "map/EqualEarthLineLayer.h"
#include "map/EqualEarthPixelTable.h"
#include "map/FlatCoastlineLayer.h"
#include "map/GlobeLineLayer.h"
#include "map/GlobePixelTable.h"

// What a renderer keeps from one picture to the next while the viewport stays the same: which
// flat-image pixel each globe pixel shows, the lines over the globe, and the flat outline map's
// coastlines, and the equal-area map's table and lines. Each entry
// records what it was made for and is replaced when asked for another. Entries never change
// once made, so copies of a cache (a picture saved beside the window's map) share them safely;
// one cache serves one pass at a time.
class KeptLayers {
  public:
    // The kept table for the frame, made anew unless the kept one was made for it.
    const GlobePixelTable& pixels(const GlobeFrame& frame, const PictureGeometry& geometry,
                                  const ZBitmap& flat);
    // The kept lines (the coastlines too with withCoastlines), made anew likewise.
    const GlobeLineLayer& lines(const GlobeFrame& frame, const PictureGeometry& geometry,
                                bool withCoastlines);
    // The kept coastlines of the flat map, made anew likewise.
    const FlatCoastlineLayer& flatCoastlines(const MapScale& scale,
                                             const PictureGeometry& geometry);

    // The kept table and lines of the equal-area map, made anew likewise.
    const EqualEarthPixelTable& equalEarthPixels(const MapScale& scale, const ZRect& map,
                                                 const ZBitmap& flat);
    const EqualEarthLineLayer& equalEarthLines(const MapScale& scale,
                                               const PictureGeometry& geometry,
                                               bool withCoastlines);

    // What is kept now, null before the first globe; for measuring the memory held.
    const GlobePixelTable* keptPixels() const { return pixels_.get(); }
    const GlobeLineLayer* keptLines() const { return lines_.get(); }
    const FlatCoastlineLayer* keptFlatCoastlines() const { return flatCoastlines_.get(); }

  private:
    std::shared_ptr<const GlobePixelTable> pixels_;
    std::shared_ptr<const GlobeLineLayer> lines_;
    std::shared_ptr<const FlatCoastlineLayer> flatCoastlines_;
    std::shared_ptr<const EqualEarthPixelTable> equalEarthPixels_;
    std::shared_ptr<const EqualEarthLineLayer> equalEarthLines_;
};
