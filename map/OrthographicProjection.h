#pragma once

#include "map/MapScale.h"
#include "map/Projection.h"

// The globe seen from far above its centre; only the near half shows.
class OrthographicProjection : public Projection {
  public:
    // centre: the globe's middle pixel; view: the point it shows there, in radians.
    OrthographicProjection(const MapScale& scale, const ScreenPoint& centre, const GeoAngles& view)
        : scale_(scale), centre_(centre), view_(view) {}

    std::optional<ScreenPoint> toScreen(const GeoPosition& place) const override;
    std::optional<GeoPosition> toGeo(int x, int y) const override;
    bool isVisible(const GeoPosition& place) const override;
    // In the middle while the globe is turned to the view position; where the place lies once
    // the hand has turned the globe away from it.
    ScreenPoint markerPixel(const GeoPosition& place) const override;
    bool followsViewPosition() const override { return true; }
    bool hasDegreeFrame() const override { return false; }

  private:
    MapScale scale_;
    ScreenPoint centre_;
    GeoAngles view_;
};
