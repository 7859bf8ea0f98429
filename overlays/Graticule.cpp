#include "overlays/Graticule.h"

#include <cstdlib>

#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/OverlayText.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ui/ZSurface.h"

namespace {

// The frame's edges and the length of its ticks, which is also the unit of the label boxes.
struct Frame {
    int left;
    int top;
    int right;
    int bottom;
    int unitX;
    int unitY;
};

Frame frameOf(const Viewport& viewport) {
    double sx = viewport.scale().x;
    double sy = viewport.scale().y;
    if (isLargeMode(viewport)) {
        return Frame{roundPixel(30 * sx),  roundPixel(30 * sy), roundPixel(1030 * sx),
                     roundPixel(530 * sy), roundPixel(5 * sx),  roundPixel(5 * sy)};
    }
    const PictureGeometry& picture = viewport.geometry();
    return Frame{30, 30, picture.width - 30, picture.height - 80, 5, 5};
}

void line(ZSurface& surface, int x1, int y1, int x2, int y2) {
    surface.moveTo(x1, y1);
    surface.lineTo(x2, y2);
}

// "120W", "0", "60N": the degrees without sign and the hemisphere's letter.
ZString degreeLabel(int degrees, const char* positive, const char* negative) {
    const char* letter = degrees > 0 ? positive : degrees < 0 ? negative : "";
    return ZFormattedString("%i%s", std::abs(degrees), letter);
}

// A place on a degree line, for the labels beside a projected outline.
GeoPosition placeAt(int lonDegrees, int latDegrees) {
    GeoPosition place;
    place.lonDegrees = std::abs(lonDegrees);
    place.west = lonDegrees < 0 ? 1 : 0;
    place.latDegrees = std::abs(latDegrees);
    place.south = latDegrees < 0 ? 1 : 0;
    return place;
}

// The flat map's labels, each beside the outline where its degree line meets it: latitudes left
// of the west edge, longitudes below the south pole's line.
void drawEdgeLabels(ZSurface& surface, const Viewport& viewport) {
    Frame f = frameOf(viewport);
    const Projection& projection = viewport.projection();
    for (int lon = -120; lon <= 180; lon += 60) {
        ScreenPoint at = projection.markerPixel(placeAt(lon, -90));
        ZRect box{at.x - 3 * f.unitX, at.y + f.unitY, at.x + 3 * f.unitX, at.y + 3 * f.unitY};
        drawOverlayText(surface, viewport, degreeLabel(lon, "O", "W"), box,
                        Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
    }
    for (int lat = 90; lat >= -90; lat -= 30) {
        ScreenPoint at = projection.markerPixel(placeAt(-180, lat));
        ZRect box{at.x - 5 * f.unitX, at.y - f.unitY, at.x - f.unitX, at.y + f.unitY};
        drawOverlayText(surface, viewport, degreeLabel(lat, "N", "S"), box,
                        Z_TEXT_RIGHT | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
    }
}

}  // namespace

void drawGraticule(ZSurface& surface, const Viewport& viewport, const ZFont& labelFont) {
    surface.selectFont(labelFont);
    surface.selectPen(0, 1);
    if (!viewport.projection().hasDegreeFrame()) {
        if (viewport.projection().hasEdgeLabels()) {
            drawEdgeLabels(surface, viewport);
        }
        return;
    }
    Frame f = frameOf(viewport);
    line(surface, f.left, f.top, f.right, f.top);
    line(surface, f.left, f.bottom, f.right, f.bottom);

    // Each tick is rounded on its own from the per-degree factor, never accumulated.
    double perLongitude = (f.right - f.left) / 360.0;
    for (int lon = -180; lon <= 180; lon += 60) {
        int x = roundPixel((lon + 180) * perLongitude) + f.left;
        line(surface, x, f.top, x, f.top + f.unitY);
        line(surface, x, f.bottom, x, f.bottom - f.unitY);
        // The left edge's label would repeat the right edge's 180 degrees.
        if (lon != -180) {
            ZRect box{x - 3 * f.unitX, f.bottom + f.unitY, x + 3 * f.unitX, f.bottom + 3 * f.unitY};
            drawOverlayText(surface, viewport, degreeLabel(lon, "O", "W"), box,
                            Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
        }
    }

    line(surface, f.left, f.top, f.left, f.bottom);
    line(surface, f.right, f.top, f.right, f.bottom);

    double perLatitude = (f.bottom - f.top) / 180.0;
    for (int lat = 90; lat >= -90; lat -= 30) {
        int y = f.bottom - roundPixel((lat + 90) * perLatitude);
        line(surface, f.left, y, f.left + f.unitX, y);
        line(surface, f.right, y, f.right - f.unitX, y);
        ZRect box{f.left - 5 * f.unitX, y - f.unitY, f.left - f.unitX, y + f.unitY};
        drawOverlayText(surface, viewport, degreeLabel(lat, "N", "S"), box,
                        Z_TEXT_RIGHT | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
    }
}
