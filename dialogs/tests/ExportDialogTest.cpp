#include <gtest/gtest.h>

#include <QProgressBar>
#include <filesystem>
#include <functional>

#include "DialogScript.h"
#include "MessageLog.h"
#include "WaitFor.h"
#include "dialogs/ExportDialog.h"
#include "document/MapDocument.h"
#include "export/tests/ExportData.h"
#include "grid/GridDatabase.h"
#include "resources/ResourceIds.h"
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
        EXPECT_EQ(D::text(shown, IDC_EXPORT_FROM_YEAR), "1850");
        EXPECT_EQ(D::text(shown, IDC_EXPORT_FROM_MONTH), "1");
        EXPECT_EQ(D::text(shown, IDC_EXPORT_TO_YEAR), "1851");
        EXPECT_EQ(D::text(shown, IDC_EXPORT_TO_MONTH), "6");
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

// A whole run: the table, the bar at its end, the message, then the table opened.
TEST_F(ExportDialogTest, StartWritesTheTableReportsAndOpensIt) {
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
    EXPECT_NE(table.find("\n1850 bis 1851;11 bis 2;"), std::string::npos) << table;
}

// With a view position the request of the document's snapshot carries the places and the
// table gets the positions' column.
TEST_F(ExportDialogTest, PositionsOfTheDocumentGiveTheirColumn) {
    MapDocument document;
    Position berlin;
    berlin.coordinates.latDegrees = 52;
    berlin.coordinates.lonDegrees = 13;
    document.positions.add(berlin);
    GridDatabase database;
    database.open(dialog.request.dataset);
    dialog.request = ExportRequest::of(document.snapshot(database));
    show([&](ZDialog& shown) {
        start(shown, "1850", "1", "1850", "2");
        ASSERT_TRUE(waitFor([&] { return !log.messages.empty(); }));
        D::click(shown, IDC_EXPORT_CANCEL);
    });
    std::string table = readFile(folder.path() / "Auswertung.csv");
    EXPECT_NE(table.find("\nJahr;Monat;Anomalie Gesamt;Anomalie ;Abdeckung in Prozent\n"),
              std::string::npos);
    EXPECT_NE(table.find("\n1850;2;"), std::string::npos);
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
// the data is not asked about.
TEST_F(ExportDialogTest, FarPastTheDataAsksFirst) {
    ZSystem::setSinkAnswer(false);
    show([&](ZDialog& shown) {
        start(shown, "1850", "11", "1861", "2");
        EXPECT_FALSE(dialog.isExporting());
        EXPECT_TRUE(shown.isCreated());
        EXPECT_EQ(D::text(shown, IDC_EXPORT_FROM_MONTH), "11");
        EXPECT_EQ(D::text(shown, IDC_EXPORT_TO_YEAR), "1861");
        start(shown, "1850", "1", "1861", "12");
        ASSERT_TRUE(waitFor([&] { return log.messages.size() == 2; }));
    });
    EXPECT_EQ(log.messages, (Messages{{FAR_PAST, "Information"}, {DONE, "Information"}}));
}

// When no program takes the table, a message says where it was written.
TEST_F(ExportDialogTest, WithoutAProgramForTheTableItsPlaceIsShown) {
    ZSystem::setDocumentOpener([](const ZString&) { return false; });
    show([&](ZDialog& shown) {
        start(shown, "1850", "1", "1850", "2");
        ASSERT_TRUE(waitFor([&] { return log.messages.size() == 2; }));
    });
    EXPECT_EQ(
        log.messages,
        (Messages{{DONE, "Information"},
                  {"Kein Programm konnte die Tabelle öffnen. Sie wurde gespeichert unter:\r\n" +
                       (folder.path() / "Auswertung.csv").string(),
                   "Information"}}));
}

}  // namespace
