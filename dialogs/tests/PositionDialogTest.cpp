#include <gtest/gtest.h>

#include <functional>

#include "DialogScript.h"
#include "MessageLog.h"
#include "dialogs/PositionDialog.h"
#include "resources/ResourceIds.h"
#include "tests/support/Places.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

using D = ZDialogDriver;
using Messages = decltype(MessageLog::messages);

constexpr ZColour RED = zRgb(255, 0, 0);
const char* const LATITUDE_MESSAGE =
    "Ungültige Breitenangabe (0..90 Bogengrad, 0..59 Minuten möglich)!";
const char* const LONGITUDE_MESSAGE =
    "Ungültige Längenangabe (0..180 Längengrad, 0..59 Minuten möglich)!";

class PositionDialogTest : public testing::Test {
  protected:
    PositionDialogTest() {
        dialog.name = "Berlin";
        dialog.coordinates = place(52 + 31 / 60.0, 13.4);
        dialog.coordinates.latReserved = 7;
        dialog.coordinates.lonReserved = -3;
    }

    // A script that leaves the dialog open ends with the close box, so 0 also says "stayed".
    int show(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_POSITION, script);
        return dialog.show(true);
    }

    // Degrees and minutes typed for both, then OK.
    int confirm(const char* latDegrees, const char* latMinutes, const char* lonDegrees,
                const char* lonMinutes) {
        return show([&](ZDialog& shown) {
            D::enterText(shown, IDC_POSITION_LAT_DEGREES, latDegrees);
            D::enterText(shown, IDC_POSITION_LAT_MINUTES, latMinutes);
            D::enterText(shown, IDC_POSITION_LON_DEGREES, lonDegrees);
            D::enterText(shown, IDC_POSITION_LON_MINUTES, lonMinutes);
            D::click(shown, Z_IDOK);
        });
    }

    MessageLog log;
    PositionDialog dialog{nullptr};
};

TEST_F(PositionDialogTest, ShowsThePlaceWithItsHemispheresAndKeepsTheReservedNumbers) {
    dialog.coordinates.south = 1;
    dialog.coordinates.west = 1;
    int result = show([](ZDialog& shown) {
        EXPECT_EQ(D::text(shown, IDC_POSITION_NAME), "Berlin");
        EXPECT_EQ(D::text(shown, IDC_POSITION_LAT_DEGREES), "52");
        EXPECT_EQ(D::text(shown, IDC_POSITION_LON_MINUTES), "24");
        EXPECT_EQ(D::selectedItemText(shown, IDC_POSITION_LAT_HEMISPHERE), "Süd");
        EXPECT_EQ(D::selectedItemText(shown, IDC_POSITION_LON_HEMISPHERE), "West");
        D::selectItem(shown, IDC_POSITION_LAT_HEMISPHERE, 0);
        D::enterText(shown, IDC_POSITION_NAME, "Potsdam");
        D::click(shown, Z_IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dialog.name, "Potsdam");
    EXPECT_EQ(dialog.coordinates.south, 0);
    EXPECT_EQ(dialog.coordinates.west, 1);
    EXPECT_EQ(dialog.coordinates.latReserved * 100 + dialog.coordinates.lonReserved, 697);
    EXPECT_TRUE(log.messages.empty());
}

// The limits themselves and the last minute before them pass; one message per confirmation,
// the latitude checked first, and the dialog stays open.
TEST_F(PositionDialogTest, RangeChecksAcceptTheLimitsAndRefuseWhatLiesBeyond) {
    EXPECT_EQ(confirm("90", "0", "180", "0"), 1);
    EXPECT_EQ(confirm("89", "59", "179", "59"), 1);
    EXPECT_EQ(confirm("", "", "", ""), 1);
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(confirm("90", "1", "181", "0"), 0);
    EXPECT_EQ(confirm("10", "60", "10", "0"), 0);
    EXPECT_EQ(confirm("-1", "0", "10", "0"), 0);
    EXPECT_EQ(confirm("10", "0", "180", "1"), 0);
    EXPECT_EQ(confirm("10", "0", "10", "-5"), 0);
    EXPECT_EQ(log.messages, (Messages{{LATITUDE_MESSAGE, "Information"},
                                      {LATITUDE_MESSAGE, "Information"},
                                      {LATITUDE_MESSAGE, "Information"},
                                      {LONGITUDE_MESSAGE, "Information"},
                                      {LONGITUDE_MESSAGE, "Information"}}));
    // The values taken stay in the dialog.
    EXPECT_EQ(dialog.coordinates.lonMinutes, -5);
}

// A name the file could not keep is cleaned in its box; nothing left of it is an empty name,
// which turns the box red without a message.
TEST_F(PositionDialogTest, NamesAreCleanedAndAnEmptyNameKeepsTheDialogOpen) {
    EXPECT_EQ(show([](ZDialog& shown) {
                  D::enterText(shown, IDC_POSITION_NAME, " # ");
                  D::click(shown, Z_IDOK);
                  EXPECT_EQ(D::backColor(shown, IDC_POSITION_NAME), RED);
                  EXPECT_EQ(D::text(shown, IDC_POSITION_NAME), "");
                  D::enterText(shown, IDC_POSITION_NAME, "#Tor\t3 ");
                  D::click(shown, Z_IDOK);
              }),
              1);
    EXPECT_EQ(dialog.name, "Tor 3");
    EXPECT_TRUE(log.messages.empty());
}

}  // namespace
