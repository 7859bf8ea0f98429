#include "map/Viewport.h"

#include "map/EqualEarthProjection.h"
#include "map/EquirectangularProjection.h"
#include "map/OrthographicProjection.h"

namespace {

constexpr double METAFILE_SCALE = 10.0;

MapScale scaleFor(const ViewChoices& choices, PictureKind kind) {
    if (kind == PictureKind::Metafile) {
        return MapScale{METAFILE_SCALE, METAFILE_SCALE, METAFILE_SCALE};
    }
    double factor = choices.scalePercent * 0.01;
    return MapScale{factor, factor, 1.0};
}

}  // namespace

GeoAngles Viewport::lastingCentre() const {
    return choices_.globe ? globeCentre_ : GeoAngles{choices_.centreLon, choices_.centreLat};
}

Viewport::Viewport(const ViewChoices& choices, const GeoPosition* viewPosition, PictureKind kind)
    : choices_(choices),
      scale_(scaleFor(choices, kind)),
      geometry_(PictureGeometry::of(scale_)),
      globeCentre_(viewPosition != nullptr ? positionToRadians(*viewPosition)
                                           : GeoAngles{choices.centreLon, choices.centreLat}) {
    if (choices.globe) {
        projection_ =
            std::make_shared<const OrthographicProjection>(scale_, mapCentre(), globeCentre_);
    } else if (choices.equalEarth) {
        projection_ = std::make_shared<const EqualEarthProjection>(scale_);
    } else {
        projection_ = std::make_shared<const EquirectangularProjection>(scale_);
    }
}
