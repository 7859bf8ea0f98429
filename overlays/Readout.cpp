#include "overlays/Readout.h"

#include <cmath>

#include "grid/MonthGrid.h"
#include "map/MapConstants.h"
#include "map/Projections.h"
#include "map/ViewState.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZSystem.h"

namespace {

// Whole degrees and rounded minutes of an angle's magnitude. Minutes are not carried: just
// short of a whole degree the place reads 60', and its whole degrees still name the cell under
// the mouse, which is the one whose value is shown.
void splitDegrees(double degrees, std::int32_t& whole, std::int32_t& minutes) {
    double magnitude = std::fabs(degrees);
    double integral = std::floor(magnitude);
    whole = static_cast<std::int32_t>(integral);
    minutes = static_cast<std::int32_t>(ZSystem::round((magnitude - integral) * 60, 0));
}

void setPlace(GeoPosition& place, double latDegrees, double lonDegrees, bool south, bool west) {
    place.south = south ? 1 : 0;
    place.west = west ? 1 : 0;
    splitDegrees(latDegrees, place.latDegrees, place.latMinutes);
    splitDegrees(lonDegrees, place.lonDegrees, place.lonMinutes);
}

bool flatPlace(const ViewState& view, int x, int y, GeoPosition& place) {
    GeoAngles angles;
    if (!unprojectEquirectangular(view, x, y, angles)) {
        return false;
    }
    // On the flat map the equator itself reads south, the prime meridian east.
    setPlace(place, angles.lat, angles.lon, !(angles.lat > 0), angles.lon < 0);
    return true;
}

bool globePlace(const ViewState& view, const GeoPosition* viewPosition, int x, int y,
                GeoPosition& place) {
    GeoAngles centre = viewPosition != nullptr
                           ? positionToRadians(*viewPosition)
                           : GeoAngles{view.orthoCentreLon, view.orthoCentreLat};
    GeoAngles angles;
    if (!unprojectOrthographic(view, x, y, view.mapCentreX, view.mapCentreY, centre.lon, centre.lat,
                               true, angles)) {
        return false;
    }
    double lat = angles.lat * TWO_OVER_PI * 5400 / 60;
    double lon = angles.lon * INV_TWO_PI * 21600 / 60;
    // Beyond a pole the longitude lies half a turn away and may leave the usual range.
    while (lon > 180) {
        lon -= 360;
    }
    while (lon < -180) {
        lon += 360;
    }
    setPlace(place, lat, lon, lat < 0, lon < 0);
    return true;
}

// " +0.25°C": the sign is decided on the value itself, so 0.004 shows " +0.00°C".
ZString valueText(double value) {
    return ZFormattedString(" %s%.2f°C", value > 0 ? "+" : "", value);
}

}  // namespace

ZString toText(GeoPosition& position) {
    position.text =
        ZFormattedString("%u° %u' %s / %u° %u' %s", static_cast<unsigned>(position.latDegrees),
                         static_cast<unsigned>(position.latMinutes), position.south ? "S" : "N",
                         static_cast<unsigned>(position.lonDegrees),
                         static_cast<unsigned>(position.lonMinutes), position.west ? "W" : "O");
    return position.text;
}

bool pointToGeoPosition(const ViewState& view, const GeoPosition* viewPosition, int x, int y,
                        GeoPosition& place) {
    place.clear();
    return view.orthView ? globePlace(view, viewPosition, x, y, place)
                         : flatPlace(view, x, y, place);
}

ReadoutTexts readoutTexts(const MonthGrid& grid, const ViewState& view,
                          const GeoPosition* viewPosition, int x, int y, const PositionHit* hit) {
    ReadoutTexts texts;
    GeoPosition place;
    if (hit != nullptr) {
        place = hit->coordinates;
        texts.location = ZFormattedString("%s: %s", hit->name.c_str(), toText(place).c_str());
    } else if (pointToGeoPosition(view, viewPosition, x, y, place)) {
        texts.location = toText(place);
    } else {
        return texts;
    }
    double value = grid.valueAt(place);
    if (value != MISSING_VALUE) {
        texts.value = valueText(value);
    }
    return texts;
}
