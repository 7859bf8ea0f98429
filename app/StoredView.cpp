#include "app/StoredView.h"

#include "overlays/PositionsFile.h"
#include "toolkit/ZInitFile.h"

namespace {

// A value that is missing or 0 takes the default, as in the window.
std::uint32_t orDefault(int value, std::uint32_t fallback) {
    return value == 0 ? fallback : static_cast<std::uint32_t>(value);
}

}  // namespace

void StoredView::load() {
    ZInitFile settings;
    settings.open("init.txt", "=");
    dataset = settings.getValue("DB_FILE");
    if (dataset.isEmpty()) {
        dataset = "data/cru/hadcrut3v.dat";
    }
    year = orDefault(settings.getIntValue("YEAR"), 1990);
    month = orDefault(settings.getIntValue("MONTH"), 6);
    yearAverage = settings.getFlagValue("YEAR_AVERAGE");
    view.mapType = orDefault(settings.getIntValue("MAP_TYPE"), 2);
    view.scalePercent = orDefault(settings.getIntValue("SCALE_PERCENT"), 75);
    view.scaleX = view.scaleY = view.scalePercent * 0.01;
    view.orthView = settings.getFlagValue("ORTH_VIEW");
    readPositions("positions.txt", positions);
}
