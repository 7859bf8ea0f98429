#pragma once

#include <optional>

#include "grid/GeoPosition.h"
#include "map/Projections.h"

// How the picture of a viewport shows the Earth. Everything outside the map's own passes asks
// this instead of telling the views apart, so another projection needs no change there.
class Projection {
  public:
    virtual ~Projection() = default;

    // The pixel of a place on the picture; nothing where the place is hidden.
    virtual std::optional<ScreenPoint> toScreen(const GeoPosition& place) const = 0;
    // The place under a pixel in whole degrees and minutes, as the read-out names it; nothing
    // off the Earth.
    virtual std::optional<GeoPosition> toGeo(int x, int y) const = 0;
    // Whether a place can be seen at all.
    virtual bool isVisible(const GeoPosition& place) const = 0;

    // The pixel of a position's marker.
    virtual ScreenPoint markerPixel(const GeoPosition& place) const = 0;
    // True when the picture is turned to the view position: only its marker is drawn, a new
    // position replaces it, it cannot be removed, and a change of it needs a new picture.
    virtual bool followsViewPosition() const = 0;
    // True when the map is framed by degree ticks and labels.
    virtual bool hasDegreeFrame() const = 0;
    // True when, without a degree frame, the degree labels stand beside the map's own outline.
    virtual bool hasEdgeLabels() const { return false; }
};
