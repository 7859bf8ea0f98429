#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <optional>

#include "WindowTest.h"
#include "grid/tests/NetcdfFiles.h"
#include "overlays/Caption.h"
#include "tests/dialogs/support/DialogScript.h"
#include "toolkit/testing/ZDialogDriver.h"

namespace {

// "Datei öffnen ..." of the real window with a script in place of the file dialog. The working
// folder also holds "synthetic.nc", 1850 and 1851 with every cell at month index + 0.5.
class OpenFileCommandTest : public WindowTest {
  protected:
    OpenFileCommandTest() {
        writeNetcdf(folder.path() / "data/cru/synthetic.nc", NetcdfGrid{},
                    [](int k, int, int) { return std::optional(k + 0.5); });
        start("YEAR=1851\nMONTH=3\n");
    }

    // The command with the answer given (nothing: cancelled); what the dialog was asked.
    std::pair<std::string, std::string> openWith(int id, std::optional<ZString> answer) {
        std::pair<std::string, std::string> asked;
        ZDialogDriver::setFileDialogScript([&](const ZString& title, const ZString& initial) {
            asked = {title.str(), initial.str()};
            return answer;
        });
        command(id);
        ZDialogDriver::setFileDialogScript(nullptr);
        return asked;
    }
};

// Ctrl+O is driven by the install test, which opens the installed dataset with it.
TEST_F(OpenFileCommandTest, TheItemSitsBeforeBeenden) {
    QMenu* program = window->menuBar.menuBar()->actions().at(0)->menu();
    std::vector<std::string> items;
    for (QAction* action : program->actions()) {
        items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    }
    EXPECT_EQ(items, (std::vector<std::string>{"Position\tSTRG+P", "Datensatz laden\tSTRG+D", "-",
                                               "Datenreihe exportieren", "Zeitreihe ...\tSTRG+T",
                                               "-", "Speichern als ...", "-",
                                               "Datei öffnen ...\tSTRG+O", "-", "Beenden"}));
}

// Chosen by its full path, kept by its path from the working folder; the month stays, and the
// next start opens the file again.
TEST_F(OpenFileCommandTest, ANetcdfFileOpensInTheShownMonthAndIsRemembered) {
    const qint64 before = pictureKey();
    EXPECT_EQ(openWith(CMD_OPEN_FILE_KEY, ZString(folder.file("data/cru/synthetic.nc"))),
              (std::pair<std::string, std::string>{"Datensatz öffnen", "data/cru/hadcrut3v.dat"}));
    EXPECT_EQ(window->database.fileName(), "data/cru/synthetic.nc");
    EXPECT_EQ(window->database.selection().year() * 100 + window->database.selection().month(),
              185103u);
    EXPECT_EQ(window->database.grid().figures().cellsWithData, 72u * 36u);
    EXPECT_EQ(window->database.grid().cellValue(10, 10), 14.5);
    EXPECT_EQ(captionTitle(window->database), "synthetic.nc 1851 (Mär) +14.500°C (100%)");
    EXPECT_EQ(window->defaultSaveName("gif"), "synthetic_1851_03.gif");
    EXPECT_NE(pictureKey(), before);
    EXPECT_TRUE(log.messages.empty());

    // The dataset dialog lists only its own datasets and shows the first; cancelled, the file
    // stays open.
    ZString shown;
    {
        DialogScript scope(IDD_DATASET, [&shown](ZDialog& dialog) {
            shown = ZDialogDriver::selectedItemText(dialog, IDC_DATASET_FILE);
            ZDialogDriver::pressEscape(dialog);
        });
        command(CMD_DATASET_KEY);
    }
    EXPECT_EQ(shown, "HADCRUT4");
    EXPECT_EQ(window->database.fileName(), "data/cru/synthetic.nc");

    closeWindow();
    EXPECT_NE(folder.read("init.txt").find("DB_FILE=data/cru/synthetic.nc\n"), std::string::npos);
    start("");
    EXPECT_EQ(window->database.fileName(), "data/cru/synthetic.nc");
    EXPECT_EQ(window->database.grid().cellValue(10, 10), 14.5);
}

TEST_F(OpenFileCommandTest, AFileThatCannotBeReadIsReportedAndTheShownDatasetStays) {
    folder.write("data/cru/notes.nc", "keine Daten\n");
    const double value = window->database.grid().cellValue(10, 10);
    const std::uint32_t cells = window->database.grid().figures().cellsWithData;
    const qint64 before = pictureKey();
    openWith(CMD_OPEN_FILE, ZString(folder.file("data/cru/notes.nc")));
    EXPECT_EQ(
        log.messages,
        (decltype(log.messages){{"Die Datei \"data/cru/notes.nc\" ist keine netCDF-Datei: Sie "
                                 "beginnt nicht wie eine netCDF- oder HDF5-Datei.",
                                 "Fehler"}}));
    // Cancelled: nothing happens at all.
    openWith(CMD_OPEN_FILE, std::nullopt);
    EXPECT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(window->database.fileName(), "data/cru/hadcrut3v.dat");
    EXPECT_EQ(window->database.grid().cellValue(10, 10), value);
    EXPECT_EQ(window->database.grid().figures().cellsWithData, cells);
    EXPECT_EQ(pictureKey(), before);
}

// A text file outside the working folder keeps its full name (and so the default block size).
TEST_F(OpenFileCommandTest, AFileOutsideTheWorkingFolderKeepsItsFullName) {
    TemporaryDirectory elsewhere;
    const std::string name = elsewhere.file("hadcrut3v.dat");
    writeFile(name, makeBlocks(HADCRUT3_LAYOUT, 30,
                               [](int) { return [](int, int) { return std::optional(-0.75); }; }));
    openWith(CMD_OPEN_FILE, ZString(name));
    EXPECT_EQ(window->database.fileName(), name);
    EXPECT_EQ(window->database.grid().cellValue(10, 10), -0.75);
    EXPECT_TRUE(log.messages.empty());
}

}  // namespace
