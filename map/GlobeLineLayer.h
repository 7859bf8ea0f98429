#pragma once

#include <cstddef>

#include "map/GlobeFrame.h"
#include "toolkit/ZFile.h"
#include "toolkit/ui/ZLineLayer.h"

struct PictureGeometry;

// The lines over the globe for one view, traced once and recorded for the picture's size: on
// outline maps the coastlines (black, two pixels wide), then the graticule (blue, one pixel).
// They depend on the view and on the coastline file, not on the month, so month steps draw the
// kept layer. Never changed once made, so a layer may be shared between renderers
// on different threads.
class GlobeLineLayer {
  public:
    struct Key {
        GlobeFrameKey frame;
        int pictureWidth = 0;
        int pictureHeight = 0;
        bool withCoastlines = false;
        // The coastline file read for the layer (only with coastlines): a changed file is read
        // anew.
        ZFileVersion coastlineFile;

        bool operator==(const Key&) const = default;
    };

    static Key keyOf(const GlobeFrame& frame, const PictureGeometry& geometry, bool withCoastlines);

    GlobeLineLayer(const GlobeFrame& frame, const Key& key);

    const Key& key() const { return key_; }
    const ZLineLayer& layer() const { return layer_; }

    // The memory the layer holds.
    std::size_t bytes() const { return sizeof(*this) + layer_.bytes() - sizeof(layer_); }

  private:
    Key key_;
    ZLineLayer layer_;
};
