#include "document/MapDocument.h"

#include <cstdint>

#include "grid/GridDatabase.h"
#include "map/BackgroundPicture.h"
#include "positions/PositionsFile.h"
#include "toolkit/ZException.h"
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
constexpr const char* MIN_COVERAGE = "REGRID_MIN_COVERAGE";
// Written only while the user has chosen a baseline, so that the file stays as it was without.
constexpr const char* BASELINE = "BASELINE";
constexpr const char* COLOUR_SCALE_KEY = "COLOUR_SCALE";

// A number that is missing or 0 keeps the default; the bits of any other stand, a negative
// scale wraps as it always did.
std::uint32_t readNumber(const ZInitFile& file, const char* key, std::uint32_t value) {
    if (int stored = file.getIntValue(key); stored != 0) {
        return static_cast<std::uint32_t>(stored);
    }
    return value;
}

ZFont makeFont(const char* face, int size) {
    ZFont font;
    font.create(face, size, 0, 400, 0);
    return font;
}

}  // namespace

MapDocument::MapDocument()
    : captionFont(makeFont("Times New Roman", 12)), labelFont(makeFont("Arial", 8)) {}

void MapDocument::load() {
    ZInitFile file;
    file.open(SETTINGS_FILE, SEPARATOR);
    if (ZString name = file.getValue(DATASET); !name.isEmpty()) {
        dataset.fileName = name;
    }
    // Both flags default to off, so "0" and a missing key read alike.
    selection =
        MonthSelection(readNumber(file, YEAR, selection.year()),
                       readNumber(file, MONTH, selection.month()), file.getFlagValue(YEAR_AVERAGE));
    view.scalePercent = readNumber(file, SCALE_PERCENT, view.scalePercent);
    view.mapType = readNumber(file, MAP_TYPE, view.mapType);
    view.globe = file.getFlagValue(GLOBE);
    dataset.minCoverage = readNumber(file, MIN_COVERAGE, dataset.minCoverage);
    dataset.baseline = YearSpan::parse(file.getValue(BASELINE).view());
    // Any number but the second scale's reads as the standard scale.
    view.colourScale =
        file.getIntValue(COLOUR_SCALE_KEY) == static_cast<int>(ColourScaleChoice::BlueWhiteRed)
            ? ColourScaleChoice::BlueWhiteRed
            : ColourScaleChoice::Standard;
    readPositions(POSITIONS_FILE, positions);
}

MapDocument::SaveOutcome MapDocument::save() {
    SaveOutcome outcome;
    ZInitFile file;
    file.putValue(DATASET, dataset.fileName);
    file.putValue(YEAR, static_cast<int>(selection.year()));
    file.putValue(MONTH, static_cast<int>(selection.month()));
    file.putValue(YEAR_AVERAGE, selection.yearAverage());
    file.putValue(SCALE_PERCENT, static_cast<int>(view.scalePercent));
    file.putValue(MAP_TYPE, static_cast<int>(view.mapType));
    file.putValue(GLOBE, view.globe);
    // Written only when chosen, so that the files of everyone who never sets it stay as they
    // were.
    if (dataset.minCoverage != GridSourceDescription().minCoverage) {
        file.putValue(MIN_COVERAGE, static_cast<int>(dataset.minCoverage));
    }
    if (dataset.baseline) {
        file.putValue(BASELINE, dataset.baseline->text());
    }
    // Written only when chosen, so the files of those who keep the standard scale stay as they
    // were.
    if (view.colourScale != ColourScaleChoice::Standard) {
        file.putValue(COLOUR_SCALE_KEY, static_cast<int>(view.colourScale));
    }
    try {
        file.save(SETTINGS_FILE, SEPARATOR);
    } catch (const ZException& exception) {
        outcome.settingsError = exception.getMessage();
    }
    try {
        outcome.positionsKept = writePositions(POSITIONS_FILE, positions);
    } catch (const ZException& exception) {
        outcome.positionsError = exception.getMessage();
    }
    return outcome;
}

void MapDocument::loadBackground() {
    ::loadBackground(background, view.mapType);
}

MapSnapshot MapDocument::snapshot(const GridDatabase& database, bool turnToViewPosition) {
    MapSnapshot taken(database, view, background);
    taken.positions = positions.inOrder();
    taken.captionFont = captionFont;
    taken.labelFont = labelFont;
    if (const Position* viewPosition = positions.viewPosition()) {
        taken.hasViewPosition = true;
        if (turnToViewPosition) {
            taken.globeCentre = viewPosition->coordinates;
        }
    }
    return taken;
}
