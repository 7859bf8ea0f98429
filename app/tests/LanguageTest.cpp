#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <filesystem>
#include <fstream>

#include "WindowTest.h"
#include "resources/DialogTemplates.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZLanguage.h"

namespace {

// The English table has the German text (texts alike in both languages are listed too).
bool hasEnglish(std::string german) {
    static QTranslator table;
    static const bool loaded = table.load(ENGLISH_TABLE);
    for (std::size_t at = german.find("\r\n"); at != std::string::npos;
         at = german.find("\r\n", at)) {
        german.erase(at, 1);
    }
    return loaded && !table.translate("sorvo", german.c_str()).isEmpty();
}

// Each item has its English and shows the text it was given in the interface's language.
void expectWorded(const QWidget& menu) {
    for (QAction* action : menu.actions()) {
        if (QByteArray german = action->property("zSource").toByteArray(); !german.isEmpty()) {
            EXPECT_TRUE(hasEnglish(german.toStdString())) << german.constData();
            EXPECT_EQ(action->text().toStdString(), ztr(german.constData()).str());
        }
        if (action->menu()) {
            expectWorded(*action->menu());
        }
    }
}

// The texts in ztr(...) and ZTEXT(...) of a source file: adjacent literals joined, escapes
// undone. A call whose argument is not a literal is no marked text.
std::vector<std::string> markedTexts(const std::string& code) {
    std::vector<std::string> texts;
    for (const char* marker : {"ztr(", "ZTEXT("}) {
        for (std::size_t at = code.find(marker); at != std::string::npos;
             at = code.find(marker, at + 1)) {
            std::size_t i = at + std::char_traits<char>::length(marker);
            std::string text;
            bool literal = false;
            while (true) {
                i = code.find_first_not_of(" \t\r\n", i);
                if (i == std::string::npos || code[i] != '"') {
                    break;
                }
                literal = true;
                for (++i; i < code.size() && code[i] != '"'; ++i) {
                    const char escaped = code[i] == '\\' ? code[++i] : 0;
                    text += escaped == 'r'   ? '\r'
                            : escaped == 'n' ? '\n'
                            : escaped == 't' ? '\t'
                            : escaped        ? escaped
                                             : code[i];
                }
                ++i;
            }
            if (literal && i != std::string::npos && code[i] == ')') {
                texts.push_back(text);
            }
        }
    }
    return texts;
}

}  // namespace

// Menus switch at run time both ways, and only English is written to the settings.
TEST_F(WindowTest, MenusSpeakTheChosenLanguage) {
    MainWindow& w = start("");
    for (int language : {CMD_LANGUAGE_ENGLISH, CMD_LANGUAGE_GERMAN}) {
        command(language);
        expectWorded(*w.menuBar.menuBar());
        w.saveSettings();
        EXPECT_EQ(folder.read("init.txt").find("LANGUAGE=en\n") != std::string::npos,
                  language == CMD_LANGUAGE_ENGLISH);
    }
}

// The dialog templates' texts and the marked texts of every library need their English.
TEST(LanguageTable, EveryWrittenTextHasItsEnglish) {
    for (const ZDialogTemplate& dialog : dialogTemplates()) {
        EXPECT_TRUE(hasEnglish(dialog.title)) << dialog.title;
        for (const ZDialogItem& item : dialog.items) {
            EXPECT_TRUE(*item.text == '\0' || hasEnglish(item.text)) << item.text;
        }
    }
    std::size_t found = 0;
    for (const auto& library : std::filesystem::directory_iterator(SORVO_SOURCE_DIR)) {
        if (!std::filesystem::exists(library.path() / "CMakeLists.txt")) {
            continue;
        }
        for (const auto& file : std::filesystem::recursive_directory_iterator(library)) {
            if (file.path().extension() == ".cpp" || file.path().extension() == ".h") {
                std::ifstream in(file.path());
                for (const std::string& text : markedTexts({std::istreambuf_iterator(in), {}})) {
                    EXPECT_TRUE(hasEnglish(text)) << file.path() << ": " << text;
                    ++found;
                }
            }
        }
    }
    EXPECT_GT(found, 100u);
}
