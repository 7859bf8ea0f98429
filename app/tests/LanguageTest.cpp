#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <regex>

#include "WindowTest.h"
#include "resources/DialogTemplates.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZLanguage.h"

namespace {

// The English table has the German text (texts alike in both languages are listed too).
bool hasEnglish(std::string german) {
    static QTranslator table;
    static const bool loaded = table.load(ENGLISH_TABLE);
    german = std::regex_replace(german, std::regex("\r\n"), "\n");
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
// undone.
std::vector<std::string> markedTexts(const std::string& code) {
    static const std::regex marked(R"re((ztr|ZTEXT)\(((\s*"([^"\\]|\\.)*")+)\))re");
    static const std::regex literal(R"re("(([^"\\]|\\.)*)")re");
    std::vector<std::string> texts;
    for (std::sregex_iterator m(code.begin(), code.end(), marked), end; m != end; ++m) {
        std::string text;
        const std::string found = (*m)[2];
        for (std::sregex_iterator l(found.begin(), found.end(), literal); l != end; ++l) {
            for (auto c = (*l)[1].first; c != (*l)[1].second; ++c) {
                const char escaped = *c == '\\' ? *++c : 0;
                text += escaped == 'r'   ? '\r'
                        : escaped == 'n' ? '\n'
                        : escaped == 't' ? '\t'
                        : escaped        ? escaped
                                         : *c;
            }
        }
        texts.push_back(text);
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
