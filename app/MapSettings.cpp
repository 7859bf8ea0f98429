#include "app/MapSettings.h"

#include "toolkit/ZInitFile.h"

namespace {

constexpr const char* SEPARATOR = "=";

constexpr const char* DATASET = "DB_FILE";
constexpr const char* YEAR = "YEAR";
constexpr const char* MONTH = "MONTH";
constexpr const char* YEAR_AVERAGE = "YEAR_AVERAGE";
constexpr const char* SCALE_PERCENT = "SCALE_PERCENT";
constexpr const char* MAP_TYPE = "MAP_TYPE";
constexpr const char* GLOBE = "ORTH_VIEW";

// A number that is missing or 0 keeps the default; the bits of any other stand, a negative
// scale wraps as it always did.
void readNumber(const ZInitFile& file, const char* key, std::uint32_t& value) {
    if (int stored = file.getIntValue(key); stored != 0) {
        value = static_cast<std::uint32_t>(stored);
    }
}

}  // namespace

MapSettings MapSettings::load() {
    ZInitFile file;
    file.open(FILE_NAME, SEPARATOR);
    MapSettings settings;
    if (ZString dataset = file.getValue(DATASET); !dataset.isEmpty()) {
        settings.dataset = dataset;
    }
    readNumber(file, YEAR, settings.year);
    readNumber(file, MONTH, settings.month);
    readNumber(file, SCALE_PERCENT, settings.scalePercent);
    readNumber(file, MAP_TYPE, settings.mapType);
    // Both flags default to off, so "0" and a missing key read alike.
    settings.yearAverage = file.getFlagValue(YEAR_AVERAGE);
    settings.globe = file.getFlagValue(GLOBE);
    return settings;
}

void MapSettings::save() const {
    ZInitFile file;
    file.putValue(DATASET, dataset);
    file.putValue(YEAR, static_cast<int>(year));
    file.putValue(MONTH, static_cast<int>(month));
    file.putValue(YEAR_AVERAGE, yearAverage);
    file.putValue(SCALE_PERCENT, static_cast<int>(scalePercent));
    file.putValue(MAP_TYPE, static_cast<int>(mapType));
    file.putValue(GLOBE, globe);
    file.save(FILE_NAME, SEPARATOR);
}

ViewChoices MapSettings::view() const {
    ViewChoices view;
    view.mapType = mapType;
    view.scalePercent = scalePercent;
    view.globe = globe;
    return view;
}
