#pragma once

#include "map/MapScale.h"
#include "toolkit/ZFile.h"
#include "toolkit/ui/ZLineLayer.h"

struct PictureGeometry;

// The lines of the equal-area map for one scale: on outline maps the coastlines (black, one
// pixel), then the graticule every 30 degrees (blue) and the outline (black). They do not depend
// on the month, so month steps draw the kept layer. Never changed once made.
class EqualEarthLineLayer {
  public:
    struct Key {
        MapScale scale;
        int pictureWidth = 0;
        int pictureHeight = 0;
        bool withCoastlines = false;
        // The coastline file read for the layer (only with coastlines).
        ZFileVersion coastlineFile;

        bool operator==(const Key&) const = default;
    };

    static Key keyOf(const MapScale& scale, const PictureGeometry& geometry, bool withCoastlines);

    // Recorded for the picture's size only when asked: the metafile draws the lines one by one.
    EqualEarthLineLayer(const Key& key, bool recorded);

    const Key& key() const { return key_; }
    const ZLineLayer& layer() const { return layer_; }

  private:
    Key key_;
    ZLineLayer layer_;
};
