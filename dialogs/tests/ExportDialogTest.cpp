#include <gtest/gtest.h>

#include <QProgressBar>
#include <filesystem>
#include <functional>
#include <string>

#include "DialogScript.h"
#include "MessageLog.h"
#include "WaitFor.h"
#include "dialogs/ExportDialog.h"
#include "document/MapDocument.h"
#include "export/tests/ExportData.h"
#include "grid/GridDatabase.h"
#include "resources/ResourceIds.h"
#include "tests/support/Places.h"
#include "toolkit/ZSystem.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

using D = ZDialogDriver;
using Messages = decltype(MessageLog::messages);

const std::string STOPPED = "Export wurde abgebrochen.\r\n\r\nExport wurde bis ";
const std::string DONE = "Export wurde erfolgreich durchgeführt.";
// The test dataset ends in December 1851.
const std::string FAR_PAST =
    "Der Zeitraum reicht mehr als zehn Jahre über den letzten Monat mit Daten (12-1851) hinaus. "
    "Danach folgen nur Monate ohne Daten, und der Export kann sehr lange dauern.\r\n\r\n"
    "Trotzdem exportieren?";

class ExportDialogTest : public testing::Test {
  protected:
    ExportDialogTest() {
        folder.write("data/cru/hadcrut3v.dat", exportDataset());
        ZSystem::setDocumentOpener([this](const ZString& path) {
            opened.push_back(path.str());
            return true;
        });
        dialog.toYear = 1851;
        dialog.toMonth = 6;
        dialog.request.dataset = {1, "data/cru/hadcrut3v.dat"};
    }
    ~ExportDialogTest() override { ZSystem::setDocumentOpener(nullptr); }

    int show(const std::function<void(ZDialog&)>& script) {
        DialogScript scope(IDD_EXPORT, script);
        return dialog.show(true);
    }

    // Types the span and presses "Start ...".
    static void start(ZDialog& shown, const char* fromYear, const char* fromMonth,
                      const char* toYear, const char* toMonth) {
        D::enterText(shown, IDC_EXPORT_FROM_YEAR, fromYear);
        D::enterText(shown, IDC_EXPORT_FROM_MONTH, fromMonth);
        D::enterText(shown, IDC_EXPORT_TO_YEAR, toYear);
        D::enterText(shown, IDC_EXPORT_TO_MONTH, toMonth);
        D::click(shown, IDC_EXPORT_START);
    }

    TemporaryDirectory folder{true};
    MessageLog log;
    std::vector<std::string> opened;
    ExportDialog dialog{nullptr};
};

// The checks in their order, one message per press, and the dialog stays open after each.
TEST_F(ExportDialogTest, OpensWithTheSpanAndChecksItInOrder) {
    show([&](ZDialog& shown) {
        std::string texts;
        for (int id : {IDC_EXPORT_FROM_YEAR, IDC_EXPORT_FROM_MONTH, IDC_EXPORT_TO_YEAR,
                       IDC_EXPORT_TO_MONTH}) {
            texts += D::text(shown, id).str() + " ";
        }
        EXPECT_EQ(texts, "1850 1 1851 6 ");
        start(shown, "1849", "13", "1848", "1");
        start(shown, "1850", "13", "1848", "1");
        start(shown, "1850", "1", "1848", "0");
        start(shown, "2000", "1", "1999", "1");
        EXPECT_TRUE(shown.isCreated());
    });
    EXPECT_EQ(log.messages,
              (Messages{{"Jahr ab 1850 möglich.", "Information"},
                        {"Monatsbereich 1-12.", "Information"},
                        {"Monatsbereich 1-12.", "Information"},
                        {"Start-Jahr muss vor dem Stop-Jahr liegen.", "Information"}}));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Auswertung.csv"));
}

// A whole run of the document's request, with a view position: the table with the positions'
// column, the bar at its end, the message, then the table opened.
TEST_F(ExportDialogTest, StartWritesTheTableWithThePositionsReportsAndOpensIt) {
    MapDocument document;
    document.positions.add(Position{"", 0, 0, place(52, 13)});
    GridDatabase database;
    database.open(dialog.request.dataset);
    dialog.request = ExportRequest::of(document.snapshot(database));
    show([&](ZDialog& shown) {
        D::click(shown, IDC_EXPORT_MONTHLY_AVERAGE);
        start(shown, "1850", "11", "1851", "2");
        ASSERT_TRUE(waitFor([&] { return !log.messages.empty(); }));
        auto* bar = qobject_cast<QProgressBar*>(shown.findControl(IDC_EXPORT_PROGRESS));
        ASSERT_TRUE(waitFor([&] { return bar->value() == bar->maximum(); }));
        D::click(shown, IDC_EXPORT_CANCEL);
    });
    EXPECT_EQ(log.messages, (Messages{{DONE, "Information"}}));
    ASSERT_TRUE(waitFor([&] { return opened.size() == 1; }));
    EXPECT_EQ(opened[0], (folder.path() / "Auswertung.csv").string());
    std::string table = readFile(folder.path() / "Auswertung.csv");
    EXPECT_NE(table.find("\nJahr;Monat;Anomalie Gesamt;Anomalie ;Abdeckung in Prozent\n"
                         "1850 bis 1851;11 bis 2;"),
              std::string::npos)
        << table;
    // The heading and the groups starting in 1850 and 1851, one position column each.
    EXPECT_EQ(std::count(table.begin(), table.end(), ';'), 4 * 3);
}

// "Abbrechen" stops a running export and leaves the dialog open; the close box stops it too and
// closes the dialog once the worker has ended. Either way the table keeps the rows so far.
TEST_F(ExportDialogTest, AbbrechenStopsARunningExportTheCloseBoxAlsoCloses) {
    show([&](ZDialog& shown) {
        start(shown, "1850", "1", "4000000000", "12");
        D::click(shown, IDC_EXPORT_START);
        D::click(shown, IDC_EXPORT_CANCEL);
        ASSERT_TRUE(waitFor([&] { return !log.messages.empty(); }));
        EXPECT_TRUE(shown.isCreated());
        ASSERT_TRUE(waitFor([&] { return !dialog.isExporting(); }));
        start(shown, "1850", "1", "4000000000", "12");
        // The driver's close box follows once the script is done.
    });
    ASSERT_EQ(log.messages.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& [text, title] = log.messages[i];
        EXPECT_EQ(i % 2 == 0 ? text : text.substr(0, STOPPED.size()),
                  i % 2 == 0 ? FAR_PAST : STOPPED);
        EXPECT_EQ(title, "Information");
    }
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Auswertung.csv"));
}

// A span ending more than ten years past the data is asked about first (the last group here ends
// in February 1862): "Nein" starts nothing and keeps the dialog with its values. Ten years past
// the data is not asked about. When no program takes the table, a message says where it is.
TEST_F(ExportDialogTest, FarPastTheDataAsksFirstAndATableNoProgramTakesIsShownWhere) {
    ZSystem::setSinkAnswer(false);
    ZSystem::setDocumentOpener([](const ZString&) { return false; });
    show([&](ZDialog& shown) {
        start(shown, "1850", "11", "1861", "2");
        EXPECT_FALSE(dialog.isExporting());
        EXPECT_TRUE(shown.isCreated());
        EXPECT_EQ(D::text(shown, IDC_EXPORT_FROM_MONTH), "11");
        EXPECT_EQ(D::text(shown, IDC_EXPORT_TO_YEAR), "1861");
        start(shown, "1850", "1", "1861", "12");
        ASSERT_TRUE(waitFor([&] { return log.messages.size() == 3; }));
    });
    EXPECT_EQ(
        log.messages,
        (Messages{{FAR_PAST, "Information"},
                  {DONE, "Information"},
                  {"Kein Programm konnte die Tabelle öffnen. Sie wurde gespeichert unter:\r\n" +
                       (folder.path() / "Auswertung.csv").string(),
                   "Information"}}));
}

}  // namespace
