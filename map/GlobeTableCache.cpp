#include "map/GlobeTableCache.h"

const GlobePixelTable& GlobeTableCache::pixels(const GlobeFrame& frame,
                                               const PictureGeometry& geometry,
                                               const ZBitmap& flat) {
    GlobePixelTable::Key key = GlobePixelTable::keyOf(frame, geometry, flat);
    if (!pixels_ || !(pixels_->key() == key)) {
        pixels_ = std::make_shared<const GlobePixelTable>(frame, geometry, flat);
    }
    return *pixels_;
}

const GlobeLineLayer& GlobeTableCache::lines(const GlobeFrame& frame,
                                             const PictureGeometry& geometry, bool withCoastlines) {
    GlobeLineLayer::Key key = GlobeLineLayer::keyOf(frame, geometry, withCoastlines);
    if (!lines_ || !(lines_->key() == key)) {
        lines_ = std::make_shared<const GlobeLineLayer>(frame, key);
    }
    return *lines_;
}
