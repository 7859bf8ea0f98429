#include "overlays/Readout.h"

#include <optional>

#include "grid/MonthGrid.h"
#include "map/Viewport.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"

namespace {

// " +0.25°C": the sign is decided on the value itself, so 0.004 shows " +0.00°C".
ZString valueText(double value) {
    return ZFormattedString(" %s%.2f°C", value > 0 ? "+" : "", value);
}

}  // namespace

ZString toText(GeoPosition& position) {
    position.text = ZFormattedString(
        "%u° %u' %s / %u° %u' %s", static_cast<unsigned>(position.latDegrees),
        static_cast<unsigned>(position.latMinutes), position.south ? "S" : "N",
        static_cast<unsigned>(position.lonDegrees), static_cast<unsigned>(position.lonMinutes),
        position.west ? "W" : ztr("O").c_str());
    return position.text;
}

bool pointToGeoPosition(const Viewport& viewport, int x, int y, GeoPosition& place) {
    std::optional<GeoPosition> found = viewport.projection().toGeo(x, y);
    place = found.value_or(GeoPosition());
    return found.has_value();
}

ReadoutTexts readoutTexts(const MonthGrid& grid, const Viewport& viewport, int x, int y,
                          const PositionHit* hit) {
    ReadoutTexts texts;
    GeoPosition place;
    if (hit != nullptr) {
        place = hit->coordinates;
        texts.location = ZFormattedString("%s: %s", hit->name.c_str(), toText(place).c_str());
    } else if (pointToGeoPosition(viewport, x, y, place)) {
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
