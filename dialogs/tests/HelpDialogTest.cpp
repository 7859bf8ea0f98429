#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DialogScript.h"
#include "MessageLog.h"
#include "dialogs/HelpDialog.h"
#include "grid/tests/DatasetFiles.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZSystem.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

QTextBrowser* helpText(const ZDialog& dialog) {
    return qobject_cast<QTextBrowser*>(dialog.findControl(IDC_HELP_TEXT));
}

std::vector<QTextFragment> anchors(const QTextDocument& document) {
    std::vector<QTextFragment> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().isAnchor()) {
                found.push_back(fragment.fragment());
            }
        }
    }
    return found;
}

// A click of the left button on the middle of the link, as the user makes it.
void click(QTextBrowser& browser, const QTextFragment& link) {
    QTextCursor cursor(browser.document());
    cursor.setPosition(link.position() + link.length() / 2);
    browser.setTextCursor(cursor);
    browser.ensureCursorVisible();
    QPointF point(browser.cursorRect(cursor).center());
    QWidget* viewport = browser.viewport();
    QPointF global = viewport->mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QApplication::sendEvent(viewport, &release);
}

class HelpDialogTest : public testing::Test {
  protected:
    HelpDialogTest() {
        ZSystem::setWebAddressOpener(
            [this](const ZString& address) { opened.push_back(address.str()); });
    }
    ~HelpDialogTest() override { ZSystem::setWebAddressOpener(nullptr); }

    int show(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_HELP, script);
        HelpDialog dialog(nullptr);
        return dialog.show(true);
    }

    // What the control shows, with the close button clicked afterwards.
    std::string shownText() {
        std::string text;
        show([&](ZDialog& shown) {
            text = helpText(shown)->toPlainText().toStdString();
            ZDialogDriver::click(shown, IDC_HELP_CLOSE);
        });
        return text;
    }

    TemporaryDirectory work{true};
    MessageLog log;
    std::vector<std::string> opened;
};

TEST_F(HelpDialogTest, ShowsOurHelpTextReadOnlyWithItsWebAddressesAsLinks) {
    std::filesystem::copy_file(SORVO_SOURCE_DIR "/assets/Information.rtf", work.file(HELP_FILE));
    int result = show([&](ZDialog& shown) {
        QTextBrowser* browser = helpText(shown);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->objectName(), "RTFControl");
        EXPECT_TRUE(browser->isReadOnly());
        std::string text = browser->toPlainText().toStdString();
        EXPECT_EQ(text.rfind("Sorvo Visualizer \u2013 Hilfe", 0), 0u);
        EXPECT_NE(text.find("Erdoberfl\u00e4che"), std::string::npos);
        EXPECT_EQ(text.find("Die Datei"), std::string::npos) << "no note about a damaged file";
        std::vector<QTextFragment> found = anchors(*browser->document());
        ASSERT_EQ(found.size(), 2u);
        QString href = found[0].charFormat().anchorHref();
        EXPECT_EQ(href, "https://crudata.uea.ac.uk/cru/data/temperature/");
        EXPECT_EQ(found[0].text(), href);
        EXPECT_EQ(found[1].charFormat().anchorHref(), "https://www.metoffice.gov.uk/hadobs/");
        click(*browser, found[0]);
        QApplication::processEvents();
        // A link leaves the text where it is.
        EXPECT_EQ(browser->toPlainText().toStdString(), text);
        ZDialogDriver::click(shown, IDC_HELP_CLOSE);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(opened,
              (std::vector<std::string>{"https://crudata.uea.ac.uk/cru/data/temperature/"}));
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(HelpDialogTest, AMissingOrDamagedFileShowsWhatCouldBeReadAndWhatIsMissing) {
    std::string missing = shownText();
    EXPECT_NE(missing.find("Die Datei \"Information.rtf\" fehlt"), std::string::npos) << missing;
    EXPECT_NE(missing.find(work.path().string()), std::string::npos) << missing;

    work.write(HELP_FILE, "{\\rtf1 {\\b Tasten\\par}Pfeil rechts: n\\'e4chster Mo");
    std::string cut = shownText();
    EXPECT_EQ(cut.rfind("Tasten\nPfeil rechts: n\u00e4chster Mo\n", 0), 0u) << cut;
    EXPECT_NE(cut.find("nicht vollst\u00e4ndig lesbar"), std::string::npos) << cut;
    EXPECT_NE(cut.find("Schluss fehlt"), std::string::npos) << cut;

    // Far too large for a help text: refused with a note, nothing of it read.
    std::filesystem::resize_file(work.file(HELP_FILE), 4 * 1024 * 1024 + 1);
    EXPECT_EQ(shownText(),
              "Die Datei \"Information.rtf\" ist gr\u00f6\u00dfer als 4 MB und wird "
              "darum nicht gezeigt.");

    std::filesystem::remove(work.file(HELP_FILE));
    std::filesystem::create_directory(work.file(HELP_FILE));
    std::string folder = shownText();
    EXPECT_NE(folder.find("kann nicht gelesen werden"), std::string::npos) << folder;
    // The dialog itself raises no message.
    EXPECT_TRUE(log.messages.empty());
}

}  // namespace
