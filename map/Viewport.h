#pragma once

#include <memory>

#include "grid/GeoPosition.h"
#include "map/MapScale.h"
#include "map/PictureGeometry.h"
#include "map/Projection.h"
#include "map/ViewChoices.h"

// Raster pictures (the window's and the saved ones) are drawn at the chosen scale; the metafile
// at ten times the size, its frame and texts grown alike.
enum class PictureKind { Raster, Metafile };

// One picture's layout, worked out from the choices once: scales, picture geometry, map centre,
// the globe's centre and the projection. Never changed once built; copies share the projection.
class Viewport {
  public:
    // The view position (null: none) turns the globe to it; otherwise the chosen centre does.
    explicit Viewport(const ViewChoices& choices, const GeoPosition* viewPosition = nullptr,
                      PictureKind kind = PictureKind::Raster);

    const ViewChoices& choices() const { return choices_; }
    const MapScale& scale() const { return scale_; }
    // The overlays of a picture larger than the window's lay their texts out in a logical
    // picture of the window's size.
    bool largeText() const { return scale_.frame > 1.0; }
    const PictureGeometry& geometry() const { return geometry_; }
    ScreenPoint mapCentre() const { return ScreenPoint{geometry_.centreX, geometry_.centreY}; }
    // Radians; where the globe looks (only the globe uses it).
    GeoAngles globeCentre() const { return globeCentre_; }
    // The centre the choices keep after this picture: where the globe looked, so that a centre
    // taken from the view position outlives the position; the chosen one for a flat map.
    GeoAngles lastingCentre() const;
    const Projection& projection() const { return *projection_; }

  private:
    ViewChoices choices_;
    MapScale scale_;
    PictureGeometry geometry_;
    GeoAngles globeCentre_;
    std::shared_ptr<const Projection> projection_;
};
