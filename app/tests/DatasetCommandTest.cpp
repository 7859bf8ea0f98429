#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "WindowTest.h"
#include "overlays/Caption.h"
#include "tests/dialogs/support/DialogScript.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

using D = ZDialogDriver;

// The dataset dialog and the save commands of the real window, with scripts in place of the
// user. The working folder also holds "hadcrut4.dat" with every cell at 0.25 in 1850 and 1851.
class DatasetCommandTest : public WindowTest {
  protected:
    DatasetCommandTest() {
        folder.write("data/cru/hadcrut4.dat", makeBlocks(HADCRUT4_LAYOUT, 24, [](int) {
                         return [](int, int) { return std::optional(0.25); };
                     }));
        start("");
    }

    // Ctrl+D with the script in place of the user.
    void chooseDataset(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_DATASET, script);
        command(CMD_DATASET_KEY);
    }

    void toggleYearAverage() {
        chooseDataset([](ZDialog& shown) {
            D::click(shown, IDC_DATASET_YEAR_AVERAGE);
            D::click(shown, Z_IDOK);
        });
    }

    // Picks the dataset at the index of the list, types year and month and confirms.
    void confirm(int dataset, const char* year, const char* month) {
        chooseDataset([=](ZDialog& shown) {
            D::selectItem(shown, IDC_DATASET_FILE, dataset);
            D::enterText(shown, IDC_DATASET_YEAR, year);
            D::enterText(shown, IDC_DATASET_MONTH, month);
            D::click(shown, Z_IDOK);
        });
    }
};

TEST_F(DatasetCommandTest, ConfirmingOpensTheChosenDatasetAndDrawsIt) {
    // Start-up shows hadcrut3v.dat, which the list does not offer.
    qint64 before = pictureKey();
    confirm(0, "1851", "08");
    EXPECT_EQ(window->database.fileName(), "data/cru/hadcrut4.dat");
    EXPECT_EQ(window->database.selection().year() * 100 + window->database.selection().month(),
              185108u);
    EXPECT_EQ(window->database.grid().figures().cellsWithData, 72u * 36u);
    EXPECT_EQ(captionTitle(window->database).str().rfind("hadcrut4.dat 1851 (Aug)", 0), 0u);
    EXPECT_NE(pictureKey(), before);
    EXPECT_TRUE(log.messages.empty());
}

// Gone from the folder, but still open: choosing the file again only selects another month.
// "-1" reads as the largest year: far beyond the file, so nothing to show, in every mode.
TEST_F(DatasetCommandTest, TheSameFileIsNotOpenedAgainAndTheLargestYearShowsNoData) {
    confirm(0, "1850", "1");
    std::filesystem::remove(folder.path() / "data/cru/hadcrut4.dat");
    toggleYearAverage();
    EXPECT_TRUE(window->database.selection().yearAverage());
    EXPECT_EQ(window->database.grid().figures().cellsWithData, 72u * 36u);
    confirm(0, "-1", "12");
    EXPECT_EQ(window->database.selection().year(), 4294967295u);
    EXPECT_EQ(window->database.grid().figures().cellsWithData, 0u);
    toggleYearAverage();
    EXPECT_FALSE(window->database.selection().yearAverage());
    EXPECT_EQ(window->database.grid().figures().cellsWithData, 0u);
    EXPECT_TRUE(log.messages.empty());
}

// The file is reported; the dataset then has no grid and the map keeps its last picture until
// the next step draws one without data.
TEST_F(DatasetCommandTest, ADatasetThatCannotBeOpenedIsReportedAndLeavesTheLastPicture) {
    confirm(0, "1850", "3");
    qint64 before = pictureKey();
    confirm(2, "1850", "4");
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_NE(log.messages[0].first.find("data/cru/abstem3.dat"), std::string::npos);
    EXPECT_EQ(pictureKey(), before);
    command(CMD_NEXT_MONTH);
    EXPECT_NE(pictureKey(), before);
    EXPECT_EQ(window->database.grid().figures().cellsWithData, 0u);
    window->mouseMovedTo(300, 200);
    EXPECT_EQ(log.messages.size(), 1u);
}

// The save's titles, names and refusals are the window test's and the animation command's; a
// cancelled dialog must save nothing and say nothing.
TEST_F(DatasetCommandTest, ACancelledSaveDoesNothing) {
    int asked = 0;
    ZDialogDriver::setFileDialogScript([&](const ZString&, const ZString&) {
        ++asked;
        return std::optional<ZString>();
    });
    command(CMD_SAVE_GIF);
    ZDialogDriver::setFileDialogScript(nullptr);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(log.messages.empty());
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_NE(entry.path().extension(), ".gif") << entry.path();
    }
}

}  // namespace
