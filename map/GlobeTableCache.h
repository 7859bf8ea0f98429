#pragma once

#include <memory>

#include "map/GlobeLineLayer.h"
#include "map/GlobePixelTable.h"

// What the globe pass keeps from one picture to the next while the viewport stays the same:
// which flat-image pixel each globe pixel shows, and the lines over the globe. Each entry
// records what it was made for and is replaced when asked for another. Entries never change
// once made, so copies of a cache (a picture saved beside the window's map) share them safely;
// one cache serves one pass at a time.
class GlobeTableCache {
  public:
    // The kept table for the frame, made anew unless the kept one was made for it.
    const GlobePixelTable& pixels(const GlobeFrame& frame, const PictureGeometry& geometry,
                                  const ZBitmap& flat);
    // The kept lines (the coastlines too with withCoastlines), made anew likewise.
    const GlobeLineLayer& lines(const GlobeFrame& frame, const PictureGeometry& geometry,
                                bool withCoastlines);

    // What is kept now, null before the first globe; for measuring the memory held.
    const GlobePixelTable* keptPixels() const { return pixels_.get(); }
    const GlobeLineLayer* keptLines() const { return lines_.get(); }

  private:
    std::shared_ptr<const GlobePixelTable> pixels_;
    std::shared_ptr<const GlobeLineLayer> lines_;
};
