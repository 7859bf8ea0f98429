#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "WindowTest.h"
#include "map/MapConstants.h"
#include "tests/dialogs/support/DialogScript.h"
#include "toolkit/ZErrorText.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

using D = ZDialogDriver;
using Messages = decltype(MessageLog::messages);

// The position commands of the real window at 100 %, with scripts in place of the user.
class PositionCommandTest : public WindowTest {
  protected:
    MainWindow& start(const std::string& settings) {
        return WindowTest::start("SCALE_PERCENT=100\n" + settings);
    }

    // The panel painted, as the screen would: markers get their place and can be hit.
    QImage paint() {
        return window->mapPanel.clientWidget()->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
    }

    // A double click with the script answering the position dialog.
    void doubleClick(int x, int y, const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_POSITION, script);
        window->editPositionAt(x, y);
        paint();
    }

    void keyCtrlP(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_POSITION, script);
        command(CMD_POSITION_KEY);
        paint();
    }

    static void ok(ZDialog& shown) { D::click(shown, Z_IDOK); }

    static std::function<void(ZDialog&)> named(const char* name) {
        return [name](ZDialog& shown) {
            D::enterText(shown, IDC_POSITION_NAME, name);
            D::click(shown, Z_IDOK);
        };
    }

    // "id:name" in list order.
    std::string listed() {
        std::string text;
        window->document.positions.forEach([&](std::uint32_t id, const Position& position) {
            text += std::to_string(id) + ":" + position.name.str() + " ";
            return true;
        });
        return text;
    }

    // Removes the marker of the position with that id where it was last drawn.
    // The middle of the window's map: the globe's centre.
    ScreenPoint centre() const { return window->viewport().mapCentre(); }

    void removeMarker(std::uint32_t id) {
        window->removePositionAt(window->document.positions.get(id)->x,
                                 window->document.positions.get(id)->y);
    }
};

TEST_F(PositionCommandTest, DoubleClickAddsTheViewPositionThatSurvivesARestart) {
    start("YEAR=1850\nMONTH=1\n");
    // The dialog comes filled with the place clicked, which the status bar names at once,
    // under the mouse that is still there.
    window->mouseMovedTo(600, 130);
    doubleClick(600, 130, ok);
    EXPECT_EQ(statusText(0), QString::fromUtf8("Neue Position: 54° 0' N / 25° 12' O"));
    EXPECT_EQ(listed(), "1:Neue Position ");
    EXPECT_EQ(paint().pixel(600, 130), qRgb(0, 0, 255));
    closeWindow();
    EXPECT_EQ(folder.read("positions.txt"), "Neue Position\t54\t0\t0\t0\t25\t12\t0\t0\n");

    start("");
    EXPECT_EQ(listed(), "1:Neue Position ");
    EXPECT_EQ(paint().pixel(601, 131), qRgb(0, 0, 255));
    closeWindow();
    EXPECT_EQ(folder.read("positions.txt"), "Neue Position\t54\t0\t0\t0\t25\t12\t0\t0\n");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(PositionCommandTest, DoubleClickOnAMarkerEditsItInPlaceAndCancelChangesNothing) {
    folder.write("positions.txt", "A\t10\t0\t0\t0\t10\t0\t0\t0\nB\t20\t0\t0\t0\t20\t0\t0\t0\n");
    start("");
    paint();
    const int x = window->document.positions.get(1)->x;
    const int y = window->document.positions.get(1)->y;
    doubleClick(x, y, [](ZDialog& shown) {
        EXPECT_EQ(D::text(shown, IDC_POSITION_NAME), "A");
        D::enterText(shown, IDC_POSITION_NAME, "Erste");
        D::enterText(shown, IDC_POSITION_LAT_DEGREES, "11");
        D::click(shown, Z_IDOK);
    });
    EXPECT_EQ(listed(), "1:Erste 2:B ");
    EXPECT_EQ(window->document.positions.get(1)->coordinates.latDegrees, 11);
    EXPECT_NE(window->document.positions.get(1)->y, y);
    doubleClick(5, 5, [](ZDialog& shown) {
        // Off the map the place is cleared.
        EXPECT_EQ(D::text(shown, IDC_POSITION_LAT_DEGREES), "0");
        D::click(shown, Z_IDCANCEL);
    });
    EXPECT_EQ(listed(), "1:Erste 2:B ");
}

TEST_F(PositionCommandTest, RemovalRefusesTheViewPositionWhileRedOnesRemainAndOnTheGlobe) {
    start("");
    doubleClick(300, 200, ok);
    doubleClick(500, 300, named("Rot"));
    ASSERT_EQ(listed(), "1:Neue Position 2:Rot ");
    window->removePositionAt(300, 200);
    window->removePositionAt(100, 100);  // no marker there
    EXPECT_EQ(listed(), "1:Neue Position 2:Rot ");
    window->removePositionAt(501, 301);
    EXPECT_EQ(listed(), "1:Neue Position ");
    paint();

    command(CMD_ORTHOGRAPHIC);
    paint();
    window->removePositionAt(centre().x, centre().y);
    EXPECT_EQ(listed(), "1:Neue Position ");
    EXPECT_EQ(log.messages,
              (Messages{{"Bitte erst alle roten Positionen entfernen.", "Information"},
                        {"Im orthografischen Modus kann die Ansichtsposition nicht entfernt "
                         "werden.",
                         "Information"}}));
}

// Ids on the globe and the flat map: the view position set on the globe, a red one added on
// the flat map, removed, added again; no id 0 and nothing overwritten.
TEST_F(PositionCommandTest, GlobeSetsTheViewPositionAndTheFlatMapAddsRedOnes) {
    start("ORTH_VIEW=1\n");
    keyCtrlP([](ZDialog& shown) {
        EXPECT_EQ(D::text(shown, IDC_POSITION_NAME), "");
        EXPECT_EQ(D::text(shown, IDC_POSITION_LON_DEGREES), "0");
        EXPECT_EQ(D::selectedItemText(shown, IDC_POSITION_LAT_HEMISPHERE), "Nord");
        // Without a name the dialog stays open.
        D::click(shown, Z_IDOK);
        D::enterText(shown, IDC_POSITION_NAME, "Mitte");
        D::enterText(shown, IDC_POSITION_LAT_DEGREES, "30");
        D::enterText(shown, IDC_POSITION_LON_DEGREES, "60");
        D::click(shown, Z_IDOK);
    });
    EXPECT_EQ(listed(), "1:Mitte ");
    // The globe turned to it, and its marker stands at the centre.
    EXPECT_DOUBLE_EQ(window->document.view.centreLon, 60 * 60 * PI / 10800);
    EXPECT_DOUBLE_EQ(window->document.view.centreLat, 30 * 60 * HALF_PI / 5400);
    window->mouseMovedTo(centre().x, centre().y);
    EXPECT_EQ(statusText(0), QString::fromUtf8("Mitte: 30° 0' N / 60° 0' O"));

    command(CMD_ORTHOGRAPHIC);
    doubleClick(100, 100, named("Rot"));
    EXPECT_EQ(listed(), "1:Mitte 2:Rot ");
    removeMarker(2);
    doubleClick(120, 120, named("Rot2"));
    EXPECT_EQ(listed(), "1:Mitte 2:Rot2 ");

    // Back on the globe a double click beside the centre moves the view position there, and
    // Ctrl+P replaces it: the red one stays.
    command(CMD_ORTHOGRAPHIC);
    doubleClick(centre().x + 37, centre().y - 100, [](ZDialog& shown) {
        EXPECT_EQ(D::text(shown, IDC_POSITION_NAME), "Neue Position");
        EXPECT_NE(D::text(shown, IDC_POSITION_LAT_DEGREES), "30");
        D::click(shown, Z_IDOK);
    });
    EXPECT_GT(window->document.view.centreLat, 30 * 60 * HALF_PI / 5400 + 0.1);
    EXPECT_TRUE(log.messages.empty());
    keyCtrlP(named("Ersatz"));
    EXPECT_EQ(listed(), "1:Ersatz 2:Rot2 ");
    EXPECT_EQ(window->document.view.centreLon, 0.0);
}

// Removed on the flat map, the view position leaves its centre to the globe; the next
// position on an empty list is the view position again.
TEST_F(PositionCommandTest, TheGlobeKeepsTheCentreOfARemovedViewPosition) {
    folder.write("positions.txt", "Ort\t-40\t0\t0\t1\t100\t0\t0\t1\n");
    start("ORTH_VIEW=1\n");
    const double lon = window->document.view.centreLon;
    EXPECT_DOUBLE_EQ(lon, -100 * 60 * PI / 10800);
    command(CMD_ORTHOGRAPHIC);
    paint();
    removeMarker(1);
    EXPECT_EQ(window->document.positions.size(), 0u);
    command(CMD_ORTHOGRAPHIC);
    EXPECT_EQ(window->document.view.centreLon, lon);
    command(CMD_ORTHOGRAPHIC);
    doubleClick(700, 200, ok);
    EXPECT_EQ(listed(), "1:Neue Position ");
}

// Each file is saved and reported on its own: settings that cannot be written do not cost the
// positions, and a backup that cannot be written keeps the hand-edited file as it was.
TEST_F(PositionCommandTest, EachFileIsSavedAndReportedOnItsOwn) {
    const std::string old = "# Orte\nAlt\t1\t2\t0\t0\t3\t4\t0\t0\n";
    folder.write("positions.txt", old);
    start("");
    doubleClick(300, 200, ok);
    std::filesystem::remove(folder.path() / "init.txt");
    std::filesystem::create_directory(folder.path() / "init.txt");
    std::filesystem::create_directory(folder.path() / "positions.txt~");
    closeWindow();
    ASSERT_EQ(log.messages.size(), 2u);
    // The settings' message has their reason for its title.
    EXPECT_EQ(log.messages[0].first,
              "Konfiguration konnte nicht gespeichert werden.\r\n" + log.messages[0].second);
    EXPECT_FALSE(log.messages[0].second.empty());
    // The reason in the language of the user's locale.
    EXPECT_EQ(log.messages[1], std::make_pair("Positionen konnten nicht gespeichert werden.\r\n"
                                              "\"positions.txt~\": " +
                                                  errorText(EISDIR).str(),
                                              std::string("Information")));
    EXPECT_EQ(folder.read("positions.txt"), old);
}

// A hand-edited file of the older program is read and kept as "positions.txt~" on closing, and
// the user is told where.
TEST_F(PositionCommandTest, HandEditedFileIsKeptAndTheUserTold) {
    const std::string old = "# von Hand\nK\xF6ln\t50\t56\t0\t0\t6\t57\t0\t0\n";
    folder.write("positions.txt", old);
    start("");
    EXPECT_EQ(listed(), "1:Köln ");
    closeWindow();
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].second, "Information");
    EXPECT_NE(log.messages[0].first.find("\"positions.txt~\""), std::string::npos);
    EXPECT_EQ(folder.read("positions.txt~"), old);
}

}  // namespace
