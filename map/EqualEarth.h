#pragma once

#include "map/MapScale.h"
#include "map/Projections.h"

// The Equal Earth projection on the unit sphere (Šavrič, Patterson and Jenny, 2018): an
// equal-area world map with straight parallels and meridians that bow outwards. Angles are
// radians, projected y grows northwards.
struct ProjectedPoint {
    double x = 0.0;
    double y = 0.0;
};

// The outline's half width (the equator at 180 degrees) and half height (the pole lines).
double equalEarthHalfWidth();
double equalEarthHalfHeight();

ProjectedPoint equalEarthForward(double lon, double lat);
// The place of a projected point; false outside the outline, and then angles keep what they held.
bool equalEarthInverse(const ProjectedPoint& point, GeoAngles& angles);

// Where the map lies in a picture: the flat map's rectangle at the same scale, with the
// outline's width filling its width and its height centred in it.
class EqualEarthFrame {
  public:
    explicit EqualEarthFrame(const MapScale& scale);

    // Pixel coordinates, not rounded.
    ProjectedPoint toPixel(double lon, double lat) const;
    ScreenPoint toScreen(double lon, double lat) const;
    // The place under a point of the picture given in pixels; false off the map.
    bool toPlace(double x, double y, GeoAngles& angles) const;

  private:
    double originX_;
    double originY_;
    double unitX_;
    double unitY_;
};
