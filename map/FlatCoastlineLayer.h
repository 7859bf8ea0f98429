#pragma once

#include "map/MapScale.h"
#include "toolkit/ZFile.h"
#include "toolkit/ui/ZLineLayer.h"

struct PictureGeometry;

// The flat outline map's coastlines for one scale, traced once and recorded for the picture's
// size. They depend on the scale and on the coastline file, not on the month, so month steps draw
// the kept layer. Never changed once made, so a layer may be shared between renderers on
// different threads.
class FlatCoastlineLayer {
  public:
    struct Key {
        MapScale scale;
        int pictureWidth = 0;
        int pictureHeight = 0;
        // The coastline file read for the layer: a changed file is read anew.
        ZFileVersion coastlineFile;

        bool operator==(const Key&) const = default;
    };

    static Key keyOf(const MapScale& scale, const PictureGeometry& geometry);

    explicit FlatCoastlineLayer(const Key& key);

    const Key& key() const { return key_; }
    const ZLineLayer& layer() const { return layer_; }

  private:
    Key key_;
    ZLineLayer layer_;
};
