#include "map/GlobeLineLayer.h"

#include "map/Coastlines.h"
#include "map/ColourScale.h"
#include "map/GlobeCoastlines.h"
#include "map/GlobeGraticule.h"
#include "map/PictureGeometry.h"

GlobeLineLayer::Key GlobeLineLayer::keyOf(const GlobeFrame& frame, const PictureGeometry& geometry,
                                          bool withCoastlines) {
    Key key;
    key.frame = GlobeFrameKey::of(frame);
    key.pictureWidth = geometry.width;
    key.pictureHeight = geometry.height;
    key.withCoastlines = withCoastlines;
    if (withCoastlines) {
        key.coastlineFile = ZFile::version(COASTLINE_FILE);
    }
    return key;
}

GlobeLineLayer::GlobeLineLayer(const GlobeFrame& frame, const Key& key) : key_(key) {
    // Both traced before anything is drawn; see GlobeLines.
    if (key.withCoastlines) {
        layer_.add(COASTLINE_COLOUR, 2, traceGlobeCoastlines(frame).polylines());
    }
    layer_.add(GLOBE_GRATICULE_COLOUR, 1, traceGlobeGraticule(frame).polylines());
    layer_.record(key.pictureWidth, key.pictureHeight);
}
