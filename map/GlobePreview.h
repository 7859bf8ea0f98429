#pragma once

#include <vector>

#include "toolkit/ui/ZBitmap.h"

class ZSurface;
struct GlobeFrame;
struct MapScene;

// The globe drawn quickly while the hand turns it. What stays the same during a turn is made
// once: the month's flat image and the points of the graticule and (on outline maps) the
// coastlines as unit vectors. Each step then samples the flat image once for every two by two
// pixels through the plain inverse, on two threads, turns the points by the view and draws
// the lines one pixel wide, then the outline, frame and legend. No table is made or kept; the
// picture on release is the full pass's.
class GlobePreview {
  public:
    explicit GlobePreview(const MapScene& scene);

    // The picture for the scene's viewport, whose globe centre is the turned one.
    void render(const MapScene& scene, ZSurface& surface) const;

  private:
    // A point of a line on the unit sphere (x towards 0 degrees, z north); a new line starts at
    // a point with penDown false.
    struct Point {
        double x;
        double y;
        double z;
        bool penDown;
    };

    void drawPixels(const MapScene& scene, ZSurface& surface) const;
    static void drawLines(const std::vector<Point>& points, const GlobeFrame& frame,
                          ZSurface& surface);

    ZBitmap flat_;
    std::vector<Point> coastlines_;
    std::vector<Point> graticule_;
};
