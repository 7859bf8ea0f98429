#pragma once

#include <vector>

#include "map/GlobeFrame.h"
#include "toolkit/ui/ZLineLayer.h"

class ZSurface;

// Lines over the globe, traced point by point and drawn afterwards. A point on the far side
// lifts the pen, so a line that passes behind the globe is cut at its last visible point and
// resumes at its first visible point after the hidden stretch.
//
// All points are placed before anything is drawn: on some processors scalar maths runs many
// times slower after the raster engine's vector code (see clearVectorUpperState), so a line is
// traced in one go, with that state cleared first, and drawn in another.
class GlobeLines {
  public:
    explicit GlobeLines(const GlobeFrame& frame) : frame_(frame) {}

    // The next point of the current line, in radians.
    void to(double lon, double lat);
    // Ends the current line; the next point starts a new one.
    void liftPen() { penUp_ = true; }

    // Every visible stretch with the surface's current pen.
    void draw(ZSurface& surface) const;
    // The visible stretches as polylines, to be kept in a line layer.
    std::vector<std::vector<ZPoint>> polylines() const;

  private:
    GlobeFrame frame_;
    bool penUp_ = true;
    std::vector<std::vector<ScreenPoint>> stretches_;
};
