#include "map/GlobeUnprojection.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "map/MapConstants.h"
#include "map/VectorState.h"

GlobeUnprojection::GlobeUnprojection(const GlobeFrame& frame)
    : frame_(frame),
      radiusX_(GLOBE_RADIUS * frame.scale.x),
      radiusY_(GLOBE_RADIUS * frame.scale.y),
      sinLat0_(std::sin(frame.lat0)),
      cosLat0_(std::cos(frame.lat0)) {}

// The operations and their order are those of unprojectOrthographic, so that both agree to the
// last bit; the disc test uses the unrounded radius.
GlobeUnprojection::Plain GlobeUnprojection::plain(const Column& column, int y) const {
    Plain point;
    int dx = column.dx;
    int dy = y - frame_.cy;
    if (!(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) < radiusX_)) {
        return point;
    }
    point.inside = true;
    double px = column.px;
    double py = (frame_.cy - y) / radiusY_;
    double rho = 0.0001;
    double c = 0.0;
    if (dx != 0 || dy != 0) {
        rho = std::sqrt(px * px + py * py);
        c = std::asin(std::min(rho, 1.0));
    }
    double sinC = std::sin(c);
    double cosC = std::cos(c);
    double sinLat = cosC * sinLat0_ + py * sinC * cosLat0_ / rho;
    point.lat = std::asin(std::clamp(sinLat, -1.0, 1.0));
    point.turn = std::atan(px * sinC / (rho * cosLat0_ * cosC - py * sinLat0_ * sinC));
    return point;
}

// Mirroring a pixel negates px and with it, exactly, the quotient under the arc tangent, which
// is odd; the latitude does not depend on px at all. So one plain point serves the pixel east of
// the centre (side 1) and its mirror west of it (side -1).
double GlobeUnprojection::longitudeOf(const Plain& plain, double side) const {
    // The pole pixel of the centre column divides 0 by 0. It takes the longitude of the pixel
    // below, which like every longitude of that column is the centre's, and keeps its latitude.
    return frame_.lon0 + (std::isnan(plain.turn) ? 0.0 : side * plain.turn);
}

// Above the north pole the latitude falls towards the top of the column, below the south pole
// towards the bottom; such pixels show the far side of the pole. A pixel where the latitude has
// its extreme takes the corrected longitude of the neighbour beyond the pole. The pixel is the
// one at offset `at`, with its neighbours' latitudes.
GlobeUnprojection::Pick GlobeUnprojection::corrected(double above, double here, double below,
                                                     int at) {
    bool fallsUpward = above < here;
    bool risesDownward = below > here;
    if (fallsUpward && risesDownward) {
        return Pick{at, true, at};
    }
    if (fallsUpward) {
        return Pick{at - 1, true, at};
    }
    if (risesDownward) {
        return Pick{at + 1, true, at};
    }
    return Pick{at, false, at};
}

// The pixel is here[0], with here[-1] above it and here[1], here[2] below it.
GlobeUnprojection::Pick GlobeUnprojection::pick(const Plain* here) {
    if (!here[1].inside) {
        return Pick{};
    }
    if (!here[-1].inside) {
        // The topmost pixel of a column has no neighbour above to compare with: it shows what
        // the pixel below it shows, longitude and latitude.
        return here[2].inside ? corrected(here[0].lat, here[1].lat, here[2].lat, 1)
                              : Pick{1, false, 1};
    }
    return corrected(here[-1].lat, here[0].lat, here[1].lat, 0);
}

GeoAngles GlobeUnprojection::anglesOf(const Plain* here, const Pick& pick, double side) const {
    GeoAngles angles;
    angles.lon = longitudeOf(here[pick.lonFrom], side);
    if (pick.halfTurn) {
        angles.lon += PI;
    }
    angles.lat = here[pick.latFrom].lat;
    return angles;
}

GlobeUnprojection::Column GlobeUnprojection::columnAt(int x) const {
    int dx = x - frame_.cx;
    return Column{dx, dx / radiusX_};
}

void GlobeUnprojection::columnPair(int d, int yFirst, int yLast, std::vector<GlobePoint>& left,
                                   std::vector<GlobePoint>& right) {
    std::size_t count = yLast >= yFirst ? static_cast<std::size_t>(yLast - yFirst + 1) : 0;
    // Index k is the row yFirst - 1 + k.
    plain_.resize(count + 3);
    Column column = columnAt(frame_.cx + d);
    for (std::size_t k = 0; k < plain_.size(); ++k) {
        plain_[k] = plain(column, yFirst - 1 + static_cast<int>(k));
    }
    left.resize(count);
    right.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Plain* here = &plain_[i + 1];
        right[i].inside = here->inside;
        left[i].inside = here->inside;
        if (here->inside) {
            Pick from = pick(here);
            right[i].angles = anglesOf(here, from, 1.0);
            left[i].angles = d == 0 ? right[i].angles : anglesOf(here, from, -1.0);
        }
    }
}

void unprojectGlobeSquare(const GlobeFrame& frame, int radiusX, int radiusY,
                          const GlobeColumnVisitor& visit) {
    int top = frame.cy - radiusY;
    int bottom = frame.cy + radiusY;
    // Every pixel is computed on its own, so the column pairs can be shared out between threads,
    // in two blocks that do not share cache lines.
    auto columns = [&](int first, int last) {
        clearVectorUpperState();
        GlobeUnprojection globe(frame);
        std::vector<GlobePoint> west;
        std::vector<GlobePoint> east;
        for (int d = first; d <= last; ++d) {
            globe.columnPair(d, top, bottom, west, east);
            visit(radiusX + d, east);
            if (d > 0) {
                visit(radiusX - d, west);
            }
        }
    };
    if (std::thread::hardware_concurrency() > 1) {
        // The columns within 0.404 of the radius from the centre hold half of the disc.
        int split = static_cast<int>(0.404 * radiusX);
        std::jthread outer(columns, split + 1, radiusX);
        columns(0, split);
    } else {
        columns(0, radiusX);
    }
}
