#pragma once

#include "map/EqualEarth.h"
#include "map/Projection.h"

// The equal-area world map: every cell covers its true share of the picture. Read-out and
// positions work as on the flat map; the degree labels stand beside its outline.
class EqualEarthProjection : public Projection {
  public:
    explicit EqualEarthProjection(const MapScale& scale) : frame_(scale) {}

    std::optional<ScreenPoint> toScreen(const GeoPosition& place) const override;
    std::optional<GeoPosition> toGeo(int x, int y) const override;
    bool isVisible(const GeoPosition&) const override { return true; }
    ScreenPoint markerPixel(const GeoPosition& place) const override;
    bool followsViewPosition() const override { return false; }
    bool hasDegreeFrame() const override { return false; }
    bool hasEdgeLabels() const override { return true; }

  private:
    EqualEarthFrame frame_;
};
