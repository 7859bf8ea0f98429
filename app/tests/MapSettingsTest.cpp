#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "app/MapSettings.h"
#include "grid/tests/DatasetFiles.h"

void PrintTo(const MapSettings& s, std::ostream* out) {
    *out << s.dataset.str() << ' ' << s.year << '-' << s.month << (s.yearAverage ? " average" : "")
         << ' ' << s.scalePercent << "% type " << s.mapType << (s.globe ? " globe" : "");
}

namespace {

MapSettings defaults() {
    return MapSettings();
}

// A setting that is missing, empty or 0 takes its default; any other value stands as read,
// out of range or not, and lines that are no setting change nothing.
TEST(MapSettingsTest, MissingEmptyOrZeroTakesTheDefaultAndOtherValuesStand) {
    struct Case {
        std::optional<std::string> file;
        MapSettings expected;
    };
    const Case cases[] = {
        {std::nullopt, defaults()},
        {"", defaults()},
        {"DB_FILE=\nYEAR=0\nMONTH=\nYEAR_AVERAGE=0\nSCALE_PERCENT=0\nMAP_TYPE=abc\nORTH_VIEW=\n",
         defaults()},
        {"garbage line\nFOO=1\n DB_FILE = x.nc \nYEAR=1849\nMONTH=13\nYEAR_AVERAGE=yes\n"
         "SCALE_PERCENT=60\nMAP_TYPE=7\nORTH_VIEW=TRUE\n\n",
         {.dataset = "x.nc",
          .year = 1849,
          .month = 13,
          .yearAverage = true,
          .scalePercent = 60,
          .mapType = 7,
          .globe = true}},
        // A negative scale is kept as its bits, so that it is written back as it was.
        {"SCALE_PERCENT=-50\nMONTH=3rd\n",
         {.month = 3, .scalePercent = static_cast<std::uint32_t>(-50)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.value_or("(no file)"));
        TemporaryDirectory folder(true);
        if (c.file) {
            folder.write(MapSettings::FILE_NAME, *c.file);
        }
        EXPECT_EQ(MapSettings::load(), c.expected);
    }
}

TEST(MapSettingsTest, SavedFileHoldsEveryKeyInItsOrderAndReadsBackAlike) {
    TemporaryDirectory folder(true);
    const MapSettings chosen{.dataset = "data/cru/synthetic.nc",
                             .year = 1851,
                             .month = 1,
                             .yearAverage = true,
                             .scalePercent = static_cast<std::uint32_t>(-50),
                             .mapType = 3,
                             .globe = true};
    chosen.save();
    std::stringstream written;
    written << std::ifstream(folder.file(MapSettings::FILE_NAME)).rdbuf();
    EXPECT_EQ(written.str(),
              "DB_FILE=data/cru/synthetic.nc\nYEAR=1851\nMONTH=1\nYEAR_AVERAGE=1\n"
              "SCALE_PERCENT=-50\nMAP_TYPE=3\nORTH_VIEW=1\n");
    EXPECT_EQ(MapSettings::load(), chosen);
}

}  // namespace
