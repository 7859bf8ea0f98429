#pragma once

#include <functional>
#include <vector>

#include "map/GlobeFrame.h"
#include "map/Projections.h"

// What one pixel of the globe shows.
struct GlobePoint {
    bool inside = false;
    GeoAngles angles;
};

// The points of the globe under its pixels, with the quadrant correction, so that pixels beyond
// a visible pole show the far side of it. Angles are radians and not normalised. The inverse is
// the one of unprojectOrthographic, with what stays the same from pixel to pixel worked out once.
class GlobeUnprojection {
  public:
    explicit GlobeUnprojection(const GlobeFrame& frame);

    // The columns d pixels left and right of the centre, rows yFirst to yLast, into
    // left[0 .. yLast - yFirst] and right[...]; for d = 0 both hold the centre column. The two
    // columns mirror each other: their latitudes are alike and their longitudes lie as far west
    // of the centre's as east of it. So each inverse serves a pixel of either column, and its
    // neighbours above and below as well; the results are those of each pixel's own inverse,
    // bit for bit.
    void columnPair(int d, int yFirst, int yLast, std::vector<GlobePoint>& left,
                    std::vector<GlobePoint>& right);

  private:
    // What a column's pixels share: the horizontal offset from the centre, in pixels and in
    // radii.
    struct Column {
        int dx;
        double px;
    };
    // The inverse without the correction, the longitude as its offset from the centre's.
    struct Plain {
        bool inside = false;
        double lat = 0.0;
        double turn = 0.0;
    };

    // Where the quadrant correction takes a pixel's angles from: the longitude of the pixel at
    // row offset lonFrom, perhaps half a turn further on, and the latitude of the one at
    // latFrom.
    struct Pick {
        int lonFrom = 0;
        bool halfTurn = false;
        int latFrom = 0;
    };

    Column columnAt(int x) const;
    Plain plain(const Column& column, int y) const;
    static Pick corrected(double above, double here, double below, int at);
    static Pick pick(const Plain* here);
    GeoAngles anglesOf(const Plain* here, const Pick& pick, double side) const;
    // The plain longitude, with its offset taken east (side 1) or, for the mirror pixel, west.
    double longitudeOf(const Plain& plain, double side) const;

    GlobeFrame frame_;
    double radiusX_;
    double radiusY_;
    double sinLat0_;
    double cosLat0_;
    // The plain points of the columns being worked on, one above the rows and two below.
    std::vector<Plain> plain_;
};

// Every column of the square around the globe's disc, 2 radiusX + 1 columns of 2 radiusY + 1
// pixels from the square's top, with what its pixels show: visit(i, points) for the column i
// pixels right of the square's left edge. Mirrored columns share their inverses, and the column
// pairs are shared out between two threads in two blocks of columns (on machines with more than
// one processor), so visit is called from both threads at once, never twice for a column.
using GlobeColumnVisitor = std::function<void(int column, const std::vector<GlobePoint>& points)>;
void unprojectGlobeSquare(const GlobeFrame& frame, int radiusX, int radiusY,
                          const GlobeColumnVisitor& visit);
