#include "document/MapDocument.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

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
constexpr const char* EQUAL_EARTH = "EQUAL_EARTH";
// Longitude and latitude in radians as the program keeps them, so that a centre read back is the
// very one written and draws the same globe.
constexpr const char* GLOBE_CENTRE = "GLOBE_CENTRE";
constexpr const char* LANGUAGE = "LANGUAGE";
constexpr const char* ENGLISH = "en";

// A number that is missing or 0 keeps the default; the bits of any other stand, a negative
// scale wraps as it always did.
std::uint32_t readNumber(const ZInitFile& file, const char* key, std::uint32_t value) {
    if (int stored = file.getIntValue(key); stored != 0) {
        return static_cast<std::uint32_t>(stored);
    }
    return value;
}

std::optional<double> radians(std::string_view text, double limit) {
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(std::fabs(value) <= limit)) {
        return std::nullopt;
    }
    return value;
}

// "lon,lat" in radians; anything else keeps the default centre.
void readCentre(const ZInitFile& file, ViewChoices& view) {
    ZString text = file.getValue(GLOBE_CENTRE);
    std::string_view both = text.view();
    std::size_t comma = both.find(',');
    if (comma == std::string_view::npos) {
        return;
    }
    std::optional<double> lon = radians(both.substr(0, comma), 4.0);
    std::optional<double> lat = radians(both.substr(comma + 1), 1.6);
    if (lon && lat) {
        view.centreLon = *lon;
        view.centreLat = *lat;
    }
}

// Shortest digits that read back as the same double, whatever the locale.
std::string shortest(double value) {
    char digits[32];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
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
    view.equalEarth = file.getFlagValue(EQUAL_EARTH);
    readCentre(file, view);
    english = file.getValue(LANGUAGE) == ENGLISH;
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
    // Like the other new choices, written only when they differ from what the program always
    // showed, so that the files of those who never pick them stay as they were.
    if (view.equalEarth) {
        file.putValue(EQUAL_EARTH, view.equalEarth);
    }
    if (const ViewChoices plain;
        view.centreLon != plain.centreLon || view.centreLat != plain.centreLat) {
        file.putValue(GLOBE_CENTRE,
                      ZString(shortest(view.centreLon) + "," + shortest(view.centreLat)));
    }
    // German, the default, adds nothing: the files of those who never switch stay as they were.
    if (english) {
        file.putValue(LANGUAGE, ZString(ENGLISH));
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
