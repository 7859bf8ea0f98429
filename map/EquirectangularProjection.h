#pragma once

#include "map/MapScale.h"
#include "map/Projection.h"

// The flat map: longitude and latitude in even steps, framed by degree ticks.
class EquirectangularProjection : public Projection {
  public:
    explicit EquirectangularProjection(const MapScale& scale) : scale_(scale) {}

    std::optional<ScreenPoint> toScreen(const GeoPosition& place) const override;
    std::optional<GeoPosition> toGeo(int x, int y) const override;
    bool isVisible(const GeoPosition&) const override { return true; }
    ScreenPoint markerPixel(const GeoPosition& place) const override;
    bool followsViewPosition() const override { return false; }
    bool hasDegreeFrame() const override { return true; }

  private:
    MapScale scale_;
};
