#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "document/MapDocument.h"
#include "grid/tests/DatasetFiles.h"

namespace {

// What the settings file keeps: dataset, year, month, year average, scale, map type, globe.
using Stored =
    std::tuple<std::string, std::uint32_t, std::uint32_t, bool, std::uint32_t, std::uint32_t, bool>;
const Stored DEFAULTS{"data/cru/hadcrut3v.dat", 1990, 6, false, 75, 2, false};

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

// A setting that is missing, empty or 0 takes its default; any other value stands as read,
// out of range or not, and lines that are no setting change nothing.
TEST(MapDocumentTest, MissingEmptyOrZeroTakesTheDefaultAndOtherValuesStand) {
    struct Case {
        std::optional<std::string> file;
        Stored expected;
    };
    const Case cases[] = {
        {std::nullopt, DEFAULTS},
        {"", DEFAULTS},
        {"DB_FILE=\nYEAR=0\nMONTH=\nYEAR_AVERAGE=0\nSCALE_PERCENT=0\nMAP_TYPE=abc\nORTH_VIEW=\n",
         DEFAULTS},
        {"garbage line\nFOO=1\n DB_FILE = x.nc \nYEAR=1849\nMONTH=13\nYEAR_AVERAGE=yes\n"
         "SCALE_PERCENT=60\nMAP_TYPE=7\nORTH_VIEW=TRUE\n\n",
         {"x.nc", 1849, 13, true, 60, 7, true}},
        // A negative scale is kept as its bits, so that it is written back as it was.
        {"SCALE_PERCENT=-50\nMONTH=3rd\n",
         {"data/cru/hadcrut3v.dat", 1990, 3, false, static_cast<std::uint32_t>(-50), 2, false}},
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

// Every key in its order, the positions beside them, and both read back alike.
TEST(MapDocumentTest, SavedFilesHoldEveryKeyAndThePositionsAndReadBackAlike) {
    TemporaryDirectory folder(true);
    MapDocument chosen;
    chosen.dataset.fileName = "data/cru/synthetic.nc";
    chosen.selection = MonthSelection(1851, 1, true);
    chosen.view.scalePercent = static_cast<std::uint32_t>(-50);
    chosen.view.mapType = 3;
    chosen.view.globe = true;
    chosen.view.equalEarth = true;
    chosen.view.centreLon = -2.5;
    chosen.view.centreLat = 0.30000000000000004;
    Position cologne;
    cologne.name = "Köln";
    cologne.coordinates.latDegrees = 50;
    cologne.coordinates.lonDegrees = 6;
    chosen.positions.add(cologne);
    const MapDocument::SaveOutcome outcome = chosen.save();
    EXPECT_EQ(outcome.settingsError, "");
    EXPECT_EQ(outcome.positionsError, "");
    EXPECT_FALSE(outcome.positionsKept);
    EXPECT_EQ(read(MapDocument::SETTINGS_FILE),
              "DB_FILE=data/cru/synthetic.nc\nYEAR=1851\nMONTH=1\nYEAR_AVERAGE=1\n"
              "SCALE_PERCENT=-50\nMAP_TYPE=3\nORTH_VIEW=1\nEQUAL_EARTH=1\n"
              "GLOBE_CENTRE=-2.5,0.30000000000000004\n");
    EXPECT_EQ(read(MapDocument::POSITIONS_FILE), "Köln\t50\t0\t0\t0\t6\t0\t0\t0\n");

    MapDocument again;
    again.load();
    EXPECT_EQ(stored(again), stored(chosen));
    EXPECT_TRUE(again.view == chosen.view);
    ASSERT_EQ(again.positions.size(), 1u);
    EXPECT_EQ(again.positions.viewPosition()->name, "Köln");
}

// Without a chosen baseline the file keeps its lines; with one it gains a line and reads it back.
TEST(MapDocumentTest, ABaselineIsSavedOnlyWhenChosen) {
    TemporaryDirectory folder(true);
    MapDocument chosen;
    chosen.save();
    EXPECT_EQ(read(MapDocument::SETTINGS_FILE).find("BASELINE"), std::string::npos);
    chosen.dataset.baseline = YearSpan{1991, 2020};
    chosen.save();
    EXPECT_NE(read(MapDocument::SETTINGS_FILE).find("\nBASELINE=1991-2020\n"), std::string::npos);
    MapDocument again;
    again.load();
    EXPECT_EQ(again.dataset, chosen.dataset);
}

}  // namespace
