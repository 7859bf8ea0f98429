#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "document/MapDocument.h"
#include "grid/GridDatabase.h"
#include "grid/tests/DatasetFiles.h"

namespace {

// What the settings file keeps of a document, comparable and printable.
struct Stored {
    std::string dataset = "data/cru/hadcrut3v.dat";
    std::uint32_t year = 1990;
    std::uint32_t month = 6;
    bool yearAverage = false;
    std::uint32_t scalePercent = 75;
    std::uint32_t mapType = 2;
    bool globe = false;

    bool operator==(const Stored&) const = default;
    friend void PrintTo(const Stored& s, std::ostream* out) {
        *out << s.dataset << ' ' << s.year << '-' << s.month << (s.yearAverage ? " average" : "")
             << ' ' << s.scalePercent << "% type " << s.mapType << (s.globe ? " globe" : "");
    }
};

Stored stored(const MapDocument& document) {
    return {document.dataset.fileName.str(),
            document.selection.year(),
            document.selection.month(),
            document.selection.yearAverage(),
            document.view.scalePercent,
            document.view.mapType,
            document.view.globe};
}

std::string read(const std::string& name) {
    std::stringstream text;
    text << std::ifstream(name).rdbuf();
    return text.str();
}

Position place(const char* name, int latDegrees, int lonDegrees) {
    Position position;
    position.name = name;
    position.coordinates.latDegrees = latDegrees;
    position.coordinates.lonDegrees = lonDegrees;
    return position;
}

// A setting that is missing, empty or 0 takes its default; any other value stands as read,
// out of range or not, and lines that are no setting change nothing.
TEST(MapDocumentTest, MissingEmptyOrZeroTakesTheDefaultAndOtherValuesStand) {
    struct Case {
        std::optional<std::string> file;
        Stored expected;
    };
    const Case cases[] = {
        {std::nullopt, {}},
        {"", {}},
        {"DB_FILE=\nYEAR=0\nMONTH=\nYEAR_AVERAGE=0\nSCALE_PERCENT=0\nMAP_TYPE=abc\nORTH_VIEW=\n",
         {}},
        {"garbage line\nFOO=1\n DB_FILE = x.nc \nYEAR=1849\nMONTH=13\nYEAR_AVERAGE=yes\n"
         "SCALE_PERCENT=60\nMAP_TYPE=7\nORTH_VIEW=TRUE\n\n",
         {"x.nc", 1849, 13, true, 60, 7, true}},
        // A negative scale is kept as its bits, so that it is written back as it was.
        {"SCALE_PERCENT=-50\nMONTH=3rd\n",
         {.month = 3, .scalePercent = static_cast<std::uint32_t>(-50)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.value_or("(no file)"));
        TemporaryDirectory folder(true);
        if (c.file) {
            folder.write(MapDocument::SETTINGS_FILE, *c.file);
        }
        MapDocument document;
        document.load();
        EXPECT_EQ(stored(document), c.expected);
        EXPECT_EQ(document.positions.size(), 0u);
    }
}

// Every key in its order, the positions beside them, and both read back alike. A settings file
// that cannot be written costs the positions nothing.
TEST(MapDocumentTest, SavedFilesHoldEveryKeyAndThePositionsAndReadBackAlike) {
    TemporaryDirectory folder(true);
    MapDocument chosen;
    chosen.dataset.fileName = "data/cru/synthetic.nc";
    chosen.selection = MonthSelection(1851, 1, true);
    chosen.view.scalePercent = static_cast<std::uint32_t>(-50);
    chosen.view.mapType = 3;
    chosen.view.globe = true;
    chosen.positions.add(place("Köln", 50, 6));
    const MapDocument::SaveOutcome outcome = chosen.save();
    EXPECT_EQ(outcome.settingsError, "");
    EXPECT_EQ(outcome.positionsError, "");
    EXPECT_FALSE(outcome.positionsKept);
    EXPECT_EQ(read(MapDocument::SETTINGS_FILE),
              "DB_FILE=data/cru/synthetic.nc\nYEAR=1851\nMONTH=1\nYEAR_AVERAGE=1\n"
              "SCALE_PERCENT=-50\nMAP_TYPE=3\nORTH_VIEW=1\n");
    EXPECT_EQ(read(MapDocument::POSITIONS_FILE), "Köln\t50\t0\t0\t0\t6\t0\t0\t0\n");

    MapDocument again;
    again.load();
    EXPECT_EQ(stored(again), stored(chosen));
    ASSERT_EQ(again.positions.size(), 1u);
    EXPECT_EQ(again.positions.viewPosition()->name, "Köln");

    std::filesystem::remove(MapDocument::SETTINGS_FILE);
    std::filesystem::remove(MapDocument::POSITIONS_FILE);
    std::filesystem::create_directory(MapDocument::SETTINGS_FILE);
    const MapDocument::SaveOutcome blocked = chosen.save();
    EXPECT_NE(blocked.settingsError, "");
    EXPECT_EQ(blocked.positionsError, "");
    EXPECT_TRUE(std::filesystem::exists(MapDocument::POSITIONS_FILE));
}

// The snapshot turns the globe to the view position unless a centre of its own was chosen, and
// tells whether there is one; without positions there is neither.
TEST(MapDocumentTest, SnapshotTurnsToTheViewPositionUnlessTold) {
    MapDocument document;
    const GridDatabase database;
    EXPECT_FALSE(document.snapshot(database).globeCentre);
    EXPECT_FALSE(document.snapshot(database).hasViewPosition);

    document.positions.add(place("Berlin", 52, 13));
    document.positions.add(place("Rom", 41, 12));
    const MapSnapshot turned = document.snapshot(database);
    ASSERT_TRUE(turned.globeCentre);
    EXPECT_EQ(turned.globeCentre->latDegrees, 52);
    EXPECT_TRUE(turned.hasViewPosition);
    ASSERT_EQ(turned.positions.size(), 2u);
    EXPECT_EQ(turned.positions[1].name, "Rom");

    const MapSnapshot kept = document.snapshot(database, false);
    EXPECT_FALSE(kept.globeCentre);
    EXPECT_TRUE(kept.hasViewPosition);
}

}  // namespace
