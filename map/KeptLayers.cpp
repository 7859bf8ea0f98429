#include "map/KeptLayers.h"

const GlobePixelTable& KeptLayers::pixels(const GlobeFrame& frame, const PictureGeometry& geometry,
                                          const ZBitmap& flat) {
    GlobePixelTable::Key key = GlobePixelTable::keyOf(frame, geometry, flat);
    if (!pixels_ || !(pixels_->key() == key)) {
        pixels_ = std::make_shared<const GlobePixelTable>(frame, geometry, flat);
    }
    return *pixels_;
}

const GlobeLineLayer& KeptLayers::lines(const GlobeFrame& frame, const PictureGeometry& geometry,
                                        bool withCoastlines) {
    GlobeLineLayer::Key key = GlobeLineLayer::keyOf(frame, geometry, withCoastlines);
    if (!lines_ || !(lines_->key() == key)) {
        lines_ = std::make_shared<const GlobeLineLayer>(frame, key);
    }
    return *lines_;
}

const FlatCoastlineLayer& KeptLayers::flatCoastlines(const MapScale& scale,
                                                     const PictureGeometry& geometry) {
    FlatCoastlineLayer::Key key = FlatCoastlineLayer::keyOf(scale, geometry);
    if (!flatCoastlines_ || !(flatCoastlines_->key() == key)) {
        flatCoastlines_ = std::make_shared<const FlatCoastlineLayer>(key);
    }
    return *flatCoastlines_;
}

const EqualEarthPixelTable& KeptLayers::equalEarthPixels(const MapScale& scale, const ZRect& map,
                                                         const ZBitmap& flat) {
    EqualEarthPixelTable::Key key = EqualEarthPixelTable::keyOf(scale, map, flat);
    if (!equalEarthPixels_ || !(equalEarthPixels_->key() == key)) {
        equalEarthPixels_ = std::make_shared<const EqualEarthPixelTable>(key, flat);
    }
    return *equalEarthPixels_;
}

const EqualEarthLineLayer& KeptLayers::equalEarthLines(const MapScale& scale,
                                                       const PictureGeometry& geometry,
                                                       bool withCoastlines) {
    EqualEarthLineLayer::Key key = EqualEarthLineLayer::keyOf(scale, geometry, withCoastlines);
    if (!equalEarthLines_ || !(equalEarthLines_->key() == key)) {
        equalEarthLines_ = std::make_shared<const EqualEarthLineLayer>(key, true);
    }
    return *equalEarthLines_;
}
