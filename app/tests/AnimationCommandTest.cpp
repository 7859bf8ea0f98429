#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>
#include <optional>

#include "WaitFor.h"
#include "WindowTest.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialog.h"

namespace {

class AnimationCommandTest : public WindowTest {
  protected:
    ~AnimationCommandTest() override {
        ZDialogDriver::setFileDialogScript(nullptr);
        ZDialogDriver::setScript(IDD_ANIMATION, nullptr);
    }

    // Answers the file dialog with the name and records what it was asked.
    void answerWith(std::optional<ZString> name) {
        ZDialogDriver::setFileDialogScript(
            [this, name](const ZString& title, const ZString& initial) {
                asked.emplace_back(title.str(), initial.str());
                return name;
            });
    }
};

// "Animation (GIF) ..." follows the single pictures; it asks for the file like the GIF save, then
// the dialog offers the shown year's months and writes them.
TEST_F(AnimationCommandTest, TheMenuItemAsksForTheFileThenWritesTheShownYear) {
    start("YEAR=1851\nMONTH=3\nSCALE_PERCENT=50\n");
    QStringList items;
    for (QAction* program : window->menuBar.menuBar()->actions().first()->menu()->actions()) {
        if (program->text() == "Speichern als ...") {
            for (QAction* item : program->menu()->actions()) {
                items << item->text();
            }
        }
    }
    EXPECT_EQ(items, (QStringList{"GIF", "JPEG", "PNG", "SVG", "EMF", "Animation (GIF) ...", "",
                                  "Größe"}));

    answerWith(ZString("film.png"));
    command(CMD_SAVE_ANIMATION);
    answerWith(ZString("film"));
    ZDialogDriver::setScript(IDD_ANIMATION, [this](ZDialog& shown) {
        ZDialogDriver::click(shown, IDC_ANIMATION_START);
        waitFor([this] { return log.messages.size() >= 2; });
    });
    command(CMD_SAVE_ANIMATION);
    EXPECT_EQ(asked,
              (decltype(asked){{"Als Animation speichern", "hadcrut3v_1851_01-1851_12.gif"},
                               {"Als Animation speichern", "hadcrut3v_1851_01-1851_12.gif"}}));
    EXPECT_EQ(log.messages,
              (decltype(log.messages){
                  {"Unbekannte Dateiendung.\r\n*.gif erlaubt.", "Information"},
                  {"Animation mit 12 Bildern gespeichert:\r\nfilm.gif", "Information"}}));
    EXPECT_EQ(QImage("film.gif", "GIF").size(), QSize(560, 360));
}

}  // namespace
