#pragma once

#include "map/MapScale.h"
#include "map/Projections.h"

class Viewport;

// The globe turned by hand: the place under the pressed pixel stays under the pointer, so the
// centre follows it. North stays up, so a place cannot follow the pointer past a pole; there
// the centre stops at the pole.
class GlobeDrag {
  public:
    // A press at (x, y) on a globe's viewport; grabbed() is false off the disc.
    GlobeDrag(const Viewport& viewport, int x, int y);

    bool grabbed() const { return grabbed_; }
    // Whether the pointer at (x, y) has gone further than a click's slack.
    bool beyondClick(int x, int y) const;
    // The centre (radians) that puts the pressed place under (x, y); a pointer beyond the rim
    // takes its point on the rim.
    GeoAngles centreFor(int x, int y) const;

  private:
    MapScale scale_;
    int cx_;
    int cy_;
    int pressX_;
    int pressY_;
    GeoAngles start_;
    GeoAngles pressed_;
    bool grabbed_ = false;
};
