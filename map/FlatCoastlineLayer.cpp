#include "map/FlatCoastlineLayer.h"

#include "map/Coastlines.h"
#include "map/ColourScale.h"
#include "map/PictureGeometry.h"

FlatCoastlineLayer::Key FlatCoastlineLayer::keyOf(const MapScale& scale,
                                                  const PictureGeometry& geometry) {
    return Key{scale, geometry.width, geometry.height, ZFile::version(COASTLINE_FILE)};
}

FlatCoastlineLayer::FlatCoastlineLayer(const Key& key) : key_(key) {
    layer_.add(COASTLINE_COLOUR, 1, traceFlatCoastlines(key.scale));
    layer_.record(key.pictureWidth, key.pictureHeight);
}
