#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>
#include <functional>

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

// The span shown, then the span's checks, one message a press, the dialog staying open.
TEST_F(AnimationDialogTest, OpensWithTheSpanAndChecksIt) {
    show([&](ZDialog& shown) {
        EXPECT_EQ(qobject_cast<QLabel*>(shown.findControl(IDC_ANIMATION_FILE))->text(), "film.gif");
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_FROM_YEAR), "1850");
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_FROM_MONTH), "1");
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_TO_YEAR), "1850");
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_TO_MONTH), "12");
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_FRAMES_PER_SECOND), "4");
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

// A finished animation is named with its frames, and the dialog closes by itself.
TEST_F(AnimationDialogTest, StartWritesReportsAndCloses) {
    bool closedByItself = false;
    show([&](ZDialog& shown) {
        start(shown, "1850", "11", "1851", "2", "10");
        closedByItself = waitFor([&] { return !dialog.isWriting(); });
    });
    EXPECT_TRUE(closedByItself);
    EXPECT_EQ(log.messages,
              (Messages{{"Animation mit 4 Bildern gespeichert:\r\nfilm.gif", "Information"}}));
    EXPECT_TRUE(std::filesystem::exists("film.gif"));
}

// Months that cannot be read show no data, and the final message names them.
TEST_F(AnimationDialogTest, UnreadableMonthsAreNamed) {
    std::string data = folder.read("data/cru/hadcrut3v.dat");
    for (std::size_t month : {2, 4, 5}) {
        data[month * HADCRUT3_LAYOUT.blockSize()] = 'X';
    }
    folder.write("data/cru/hadcrut3v.dat", data);
    show([&](ZDialog& shown) {
        start(shown, "1850", "1", "1850", "6", "10");
        EXPECT_TRUE(waitFor([&] { return !dialog.isWriting(); }));
    });
    EXPECT_EQ(log.messages, (Messages{{"Animation mit 6 Bildern gespeichert:\r\nfilm.gif\r\n\r\n"
                                       "Nicht lesbar und daher ohne Daten, die Monate: 03-1850, "
                                       "05-1850 bis 06-1850",
                                       "Information"}}));
}

// "Abbrechen", Escape and the close box each stop a long run and close once it has ended;
// nothing is written and nothing is said after the question about the far span.
TEST_F(AnimationDialogTest, AbbrechenEscapeAndCloseBoxStopAndClose) {
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
    EXPECT_EQ(log.messages, Messages(3, {FAR_PAST, "Information"}));
    EXPECT_FALSE(std::filesystem::exists("film.gif"));
}

// A span ending more than ten years past the data is asked about first; "Nein" starts nothing
// and keeps the dialog with its values.
TEST_F(AnimationDialogTest, FarPastTheDataAsksFirst) {
    ZSystem::setSinkAnswer(false);
    show([&](ZDialog& shown) {
        start(shown, "1850", "1", "1862", "1", "4");
        EXPECT_FALSE(dialog.isWriting());
        EXPECT_TRUE(shown.isCreated());
        EXPECT_EQ(D::text(shown, IDC_ANIMATION_TO_YEAR), "1862");
    });
    EXPECT_EQ(log.messages, (Messages{{FAR_PAST, "Information"}}));
    EXPECT_FALSE(std::filesystem::exists("film.gif"));
}

}  // namespace
