#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "WindowTest.h"
#include "resources/DialogTemplates.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZLanguage.h"

namespace {

// Whether the English table has an entry for a German text (texts alike in both languages
// are listed too), with the table's line ends.
bool hasEnglish(const std::string& german) {
    static QTranslator table;
    static const bool loaded = table.load(ENGLISH_TABLE);
    QByteArray key = QByteArray::fromStdString(german).replace("\r\n", "\n");
    return loaded && !table.translate("sorvo", key.constData()).isEmpty();
}

// The texts of the literals that follow each marker in a source file: adjacent literals joined,
// escapes undone.
std::vector<std::string> markedTexts(const std::string& source) {
    std::vector<std::string> texts;
    for (const char* marker : {"ztr(\"", "ZTEXT(\""}) {
        for (auto at = source.find(marker); at != std::string::npos;
             at = source.find(marker, at + 1)) {
            std::string text;
            std::size_t i = at + std::string(marker).size() - 1;
            while (i < source.size() && source[i] == '"') {
                for (++i; source[i] != '"'; ++i) {
                    char c = source[i];
                    if (c == '\\') {
                        c = source[++i];
                        if (c == 'x') {
                            c = static_cast<char>(std::stoi(source.substr(i + 1, 2), nullptr, 16));
                            i += 2;
                        } else {
                            c = c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
                        }
                    }
                    text += c;
                }
                i = source.find_first_not_of(" \n", i + 1);
            }
            texts.push_back(text);
        }
    }
    return texts;
}

void expectEnglishForMenu(const QWidget& menu) {
    for (QAction* action : menu.actions()) {
        QByteArray source = action->property("zSource").toByteArray();
        if (!source.isEmpty()) {
            EXPECT_TRUE(hasEnglish(source.toStdString())) << source.constData();
            EXPECT_EQ(action->text().toStdString(), ztr(source.constData()).str());
        }
        if (action->menu()) {
            expectEnglishForMenu(*action->menu());
        }
    }
}

using LanguageTest = WindowTest;

}  // namespace

// Switched at run time every menu item speaks English, the choice is kept in the settings, and
// German comes back as written.
TEST_F(LanguageTest, MenusSwitchAndTheChoiceIsKept) {
    MainWindow& w = start("");
    command(CMD_LANGUAGE_ENGLISH);
    expectEnglishForMenu(*w.menuBar.menuBar());
    EXPECT_EQ(w.widget()->windowTitle(), "Sorvo Visualizer V0.91 - Visualisation of HadCRUT3 data");
    w.saveSettings();
    EXPECT_NE(folder.read("init.txt").find("LANGUAGE=en\n"), std::string::npos);

    command(CMD_LANGUAGE_GERMAN);
    for (QAction* action : w.menuBar.menuBar()->actions()) {
        EXPECT_EQ(action->text().toUtf8(), action->property("zSource").toByteArray());
    }
    w.saveSettings();
    EXPECT_EQ(folder.read("init.txt").find("LANGUAGE"), std::string::npos);
    EXPECT_TRUE(log.messages.empty());
}

TEST(LanguageTable, EveryDialogTextHasItsEnglish) {
    for (const ZDialogTemplate& dialog : dialogTemplates()) {
        EXPECT_TRUE(hasEnglish(dialog.title)) << dialog.title;
        for (const ZDialogItem& item : dialog.items) {
            EXPECT_TRUE(*item.text == '\0' || hasEnglish(item.text)) << item.text;
        }
    }
}

// Messages, captions and titles written in the code carry a marker; each needs its English.
TEST(LanguageTable, EveryMarkedTextHasItsEnglish) {
    std::set<std::string> skipped{"tests", "testing", "bench", "tools", "build"};
    std::size_t found = 0;
    auto files = std::filesystem::recursive_directory_iterator(SORVO_SOURCE_DIR);
    for (auto entry = begin(files); entry != end(files); ++entry) {
        const std::filesystem::path& path = entry->path();
        if (entry->is_directory() && (skipped.count(path.filename()) || path.filename() == ".git" ||
                                      std::filesystem::exists(path / "CMakeCache.txt"))) {
            entry.disable_recursion_pending();
        } else if (path.extension() == ".cpp" || path.extension() == ".h") {
            std::ifstream file(path);
            for (const std::string& text :
                 markedTexts(std::string(std::istreambuf_iterator<char>(file), {}))) {
                EXPECT_TRUE(hasEnglish(text)) << path << ": " << text;
                ++found;
            }
        }
    }
    EXPECT_GT(found, 100u);
}
