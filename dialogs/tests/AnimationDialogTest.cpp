#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>
#include <functional>
#include <string>

#include "DialogScript.h"
#include "MessageLog.h"
#include "WaitFor.h"
#include "WorkingFolder.h"
#include "dialogs/AnimationDialog.h"
#include "map/BackgroundPicture.h"
#include "resources/ResourceIds.h"
#include "toolkit/testing/ZDialogDriver.h"

namespace {

using D = ZDialogDriver;
using Messages = decltype(MessageLog::messages);

// The test dataset ends in December 1851.
const std::string FAR_PAST =
    "Die Animation reicht mehr als zehn Jahre über den letzten Monat mit Daten (12-1851) hinaus. "
    "Danach folgen nur Bilder ohne Daten, und das Speichern kann sehr lange dauern.\r\n\r\n"
    "Trotzdem speichern?";

class AnimationDialogTest : public testing::Test {
  protected:
    AnimationDialogTest() {
        dialog.span = AnimationSpan::around(1850, false);
        dialog.fileName = "film.gif";
        dialog.request.dataset = {1, "data/cru/hadcrut3v.dat"};
        dialog.request.view.scalePercent = 50;
        loadBackground(dialog.request.background, dialog.request.view.mapType);
    }

    int show(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_ANIMATION, script);
        return dialog.show(true);
    }

    static void start(ZDialog& shown, const char* fromYear, const char* fromMonth,
                      const char* toYear, const char* toMonth, const char* framesPerSecond) {
        D::enterText(shown, IDC_ANIMATION_FROM_YEAR, fromYear);
        D::enterText(shown, IDC_ANIMATION_FROM_MONTH, fromMonth);
        D::enterText(shown, IDC_ANIMATION_TO_YEAR, toYear);
        D::enterText(shown, IDC_ANIMATION_TO_MONTH, toMonth);
        D::enterText(shown, IDC_ANIMATION_FRAMES_PER_SECOND, framesPerSecond);
        D::click(shown, IDC_ANIMATION_START);
    }

    WorkingFolder folder;
    MessageLog log;
    AnimationDialog dialog{nullptr};
};

// The file and the check boxes shown (the window's test starts the preset span), then the
// span's checks, one message a press, the dialog staying open.
TEST_F(AnimationDialogTest, OpensWithTheSpanAndChecksIt) {
    show([&](ZDialog& shown) {
        EXPECT_EQ(qobject_cast<QLabel*>(shown.findControl(IDC_ANIMATION_FILE))->text(), "film.gif");
        EXPECT_FALSE(D::isChecked(shown, IDC_ANIMATION_YEAR_AVERAGES));
        EXPECT_TRUE(D::isChecked(shown, IDC_ANIMATION_LOOP));
        start(shown, "1849", "1", "1850", "1", "4");
        start(shown, "1850", "1", "1850", "2", "51");
        EXPECT_TRUE(shown.isCreated());
        EXPECT_FALSE(dialog.isWriting());
    });
    EXPECT_EQ(log.messages, (Messages{{"Jahr ab 1850 möglich.", "Information"},
                                      {"Bilder pro Sekunde 1-50.", "Information"}}));
    EXPECT_FALSE(std::filesystem::exists("film.gif"));
}

// A finished animation is named with its frames and the months that could not be read (they
// show no data); the span crosses a year, so every box counts.
TEST_F(AnimationDialogTest, FinishedAnimationNamesItsFramesAndUnreadableMonths) {
    std::string data = folder.read("data/cru/hadcrut3v.dat");
    for (std::size_t month : {11, 13, 14}) {
        data[month * HADCRUT3_LAYOUT.blockSize()] = 'X';
    }
    folder.write("data/cru/hadcrut3v.dat", data);
    show([&](ZDialog& shown) {
        start(shown, "1850", "11", "1851", "3", "10");
        EXPECT_TRUE(waitFor([&] { return !dialog.isWriting(); }));
    });
    EXPECT_EQ(log.messages, (Messages{{"Animation mit 5 Bildern gespeichert:\r\nfilm.gif\r\n\r\n"
                                       "Nicht lesbar und daher ohne Daten, die Monate: 12-1850, "
                                       "02-1851 bis 03-1851",
                                       "Information"}}));
    EXPECT_TRUE(std::filesystem::exists("film.gif"));
}

// A span ending more than ten years past the data is asked about first: "Nein" starts nothing
// and keeps the dialog with its values. "Ja" starts it; then "Abbrechen", Escape and the close
// box each stop the long run and close once it has ended, with nothing written or said.
TEST_F(AnimationDialogTest, FarPastTheDataAsksFirstAndEveryWayOutStops) {
    ZSystem::setSinkAnswer(false);
    show([&](ZDialog& shown) {
        start(shown, "1850", "1", "1862", "1", "4");
        EXPECT_FALSE(dialog.isWriting());
        EXPECT_TRUE(shown.isCreated());
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_TO_YEAR), "1862");
    });
    ZSystem::setSinkAnswer(true);
    for (int way = 0; way < 3; ++way) {
        show([&](ZDialog& shown) {
            start(shown, "1850", "1", "4000000000", "12", "4");
            ASSERT_TRUE(dialog.isWriting());
            if (way == 0) {
                D::click(shown, IDC_ANIMATION_CANCEL);
            } else if (way == 1) {
                D::pressEscape(shown);
            }
            // The close box is the driver's, once the script is done.
            if (way < 2) {
                EXPECT_TRUE(waitFor([&] { return !dialog.isWriting(); })) << way;
            }
        });
        EXPECT_FALSE(dialog.isWriting()) << way;
    }
    EXPECT_EQ(log.messages, Messages(4, {FAR_PAST, "Information"}));
    EXPECT_FALSE(std::filesystem::exists("film.gif"));
}

}  // namespace
