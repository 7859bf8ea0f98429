#include <gtest/gtest.h>

#include <QComboBox>
#include <functional>

#include "DialogScript.h"
#include "MessageLog.h"
#include "dialogs/DatasetDialog.h"
#include "resources/ResourceIds.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

using D = ZDialogDriver;
using Messages = decltype(MessageLog::messages);

constexpr ZColour WHITE = zRgb(255, 255, 255);

class DatasetDialogTest : public testing::Test {
  protected:
    DatasetDialogTest() {
        dialog.year = 1990;
        dialog.month = 6;
        dialog.dbFile = "data/cru/hadcrut3v.dat";
    }

    // Shows the dialog with the script in place of the user. A script that leaves the dialog
    // open ends with the close box, so 0 also tells that the dialog stayed open.
    int show(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_DATASET, script);
        return dialog.show(true);
    }

    // Year and month typed, then OK.
    int confirm(const char* year, const char* month) {
        return show([&](ZDialog& shown) {
            D::enterText(shown, IDC_DATASET_YEAR, year);
            D::enterText(shown, IDC_DATASET_MONTH, month);
            D::click(shown, Z_IDOK);
            // Nothing here is ever marked as invalid.
            EXPECT_EQ(D::backColor(shown, IDC_DATASET_YEAR), WHITE);
            EXPECT_EQ(D::backColor(shown, IDC_DATASET_MONTH), WHITE);
        });
    }

    MessageLog log;
    DatasetDialog dialog{nullptr};
};

TEST_F(DatasetDialogTest, ShowsTheValuesAndPreselectsTheFirstDatasetForAFileNotListed) {
    int result = show([](ZDialog& shown) {
        EXPECT_EQ(D::text(shown, IDC_DATASET_YEAR), "1990");
        EXPECT_EQ(D::text(shown, IDC_DATASET_MONTH), "6");
        auto* files = qobject_cast<QComboBox*>(shown.findControl(IDC_DATASET_FILE));
        ASSERT_NE(files, nullptr);
        ASSERT_EQ(files->count(), 3);
        EXPECT_EQ(files->itemText(0), "HADCRUT4");
        EXPECT_EQ(files->itemText(1), "HADCRUT3");
        EXPECT_EQ(files->itemText(2), "ABS1960_91");
        EXPECT_EQ(files->currentIndex(), 0);
        D::click(shown, Z_IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dialog.dbFile, "data/cru/hadcrut4.dat");
    EXPECT_TRUE(log.messages.empty());

    dialog.dbFile = "data/cru/abstem3.dat";
    show([](ZDialog& shown) {
        EXPECT_EQ(D::selectedItemText(shown, IDC_DATASET_FILE), "ABS1960_91");
    });
}

TEST_F(DatasetDialogTest, RangeChecksShowOneMessageAndKeepTheDialogOpen) {
    EXPECT_EQ(confirm("1849", "6"), 0);
    EXPECT_EQ(dialog.year, 1849u);
    EXPECT_EQ(confirm("1850", "13"), 0);
    EXPECT_EQ(confirm("1990", "0"), 0);
    // An empty box reads as 0; the year is checked first.
    EXPECT_EQ(confirm("", "13"), 0);
    EXPECT_EQ(log.messages, (Messages{{"Jahr ab 1850 möglich.", "Information"},
                                      {"Monatsbereich 1-12.", "Information"},
                                      {"Monatsbereich 1-12.", "Information"},
                                      {"Jahr ab 1850 möglich.", "Information"}}));
}

TEST_F(DatasetDialogTest, CancelEscapeAndTheCloseBoxChangeNothing) {
    auto edit = [](ZDialog& shown) {
        D::enterText(shown, IDC_DATASET_YEAR, "2000");
        D::enterText(shown, IDC_DATASET_MONTH, "2");
        D::click(shown, IDC_DATASET_YEAR_AVERAGE);
        D::selectItem(shown, IDC_DATASET_FILE, 2);
    };
    std::vector<std::function<void(ZDialog&)>> endings{
        [](ZDialog& shown) { D::click(shown, Z_IDCANCEL); },
        [](ZDialog& shown) { D::pressEscape(shown); }, [](ZDialog&) {},  // the close box
    };
    for (const auto& ending : endings) {
        EXPECT_EQ(show([&](ZDialog& shown) {
                      edit(shown);
                      ending(shown);
                  }),
                  0);
        EXPECT_EQ(dialog.year * 100 + dialog.month, 199006u);
        EXPECT_EQ(dialog.dbFile, "data/cru/hadcrut3v.dat");
        EXPECT_FALSE(dialog.yearAverage);
    }
    EXPECT_TRUE(log.messages.empty());
}

}  // namespace
