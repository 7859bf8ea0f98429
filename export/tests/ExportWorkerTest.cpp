#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ExportData.h"
#include "StepProgress.h"
#include "export/ExportWorker.h"
#include "grid/GridDatabase.h"
#include "tests/support/Places.h"
#include "toolkit/ZException.h"

// The golden tables in export/tests/golden are this program's own output, checked by hand once
// against the table's rules. To write them anew after a deliberate change of the format, run
// the test with SORVO_WRITE_GOLDEN=1 and review the difference before committing it.

namespace {

class ExportWorkerTest : public testing::Test {
  protected:
    ExportWorkerTest() { folder.write("data/cru/hadcrut3v.dat", exportDataset()); }

    ExportOutcome exportTable(ExportRequest request, std::uint64_t stopAfter = 0) {
        progress = std::make_unique<StepProgress>();
        progress->onStep = [this, stopAfter](std::uint64_t month) {
            if (month == stopAfter) {
                progress->requestStop();
            }
        };
        return ExportWorker(request, *progress).run("Auswertung.csv");
    }

    std::string table() const { return folder.read("Auswertung.csv"); }

    const GridSourceDescription dataset{1, "data/cru/hadcrut3v.dat"};

    void expectGolden(const std::string& name) const {
        std::filesystem::path golden =
            std::filesystem::path(SORVO_SOURCE_DIR) / "export/tests/golden" / name;
        if (std::getenv("SORVO_WRITE_GOLDEN")) {
            std::ofstream(golden, std::ios::binary) << table();
        }
        EXPECT_EQ(table(), readFile(golden)) << name;
    }

    struct Folder : TemporaryDirectory {
        Folder() : TemporaryDirectory(true) {}
        std::string read(const std::string& name) const { return readFile(path() / name); }
    } folder;
    std::unique_ptr<StepProgress> progress;
    // One with data, one whose cell has none in odd months, one outside the grid.
    std::vector<GeoPosition> places{place(47, 8), place(0, 0), place(90, 0)};
};

// Over the turn of the year and past the end of the file, per month and per group, with and
// without positions.
TEST_F(ExportWorkerTest, TablesMatchTheirGoldenFiles) {
    ExportSpan winter{1850, 11, 1851, 2};
    exportTable(ExportRequest{dataset, winter, false, false, {}});
    EXPECT_EQ(progress->total(), 8u);
    EXPECT_EQ(progress->lastPercent, 100);
    expectGolden("winter-months.csv");
    exportTable(ExportRequest{dataset, winter, true, true, places});
    expectGolden("winter-groups-positions.csv");
    exportTable(ExportRequest{dataset, ExportSpan{1850, 6, 1851, 8}, false, true, places});
    expectGolden("summer-months-positions.csv");
    exportTable(ExportRequest{dataset, ExportSpan{1850, 6, 1852, 6}, true, false, {}});
    expectGolden("june-groups.csv");
}

// A stop ends the run after the month being read: the rows so far stay, a group's row is
// averaged over all its months, and a stop before the first month names none.
TEST_F(ExportWorkerTest, StopKeepsTheRowsWrittenAndNamesTheLastMonth) {
    ExportOutcome outcome =
        exportTable(ExportRequest{dataset, ExportSpan{1850, 11, 1851, 2}, false, false, {}}, 3);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.lastYear * 100 + outcome.lastMonth, 185101u);
    EXPECT_LT(progress->lastPercent, 100);
    std::string rows = table();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 3 + 3);

    exportTable(ExportRequest{dataset, ExportSpan{1850, 1, 1850, 4}, true, false, {}}, 2);
    std::string stopped = table();
    std::string lastRow = stopped.substr(stopped.rfind('\n', stopped.size() - 2) + 1);
    GridDatabase grid;
    grid.open({1, "data/cru/hadcrut3v.dat"});
    double sum = 0;
    for (std::uint32_t month : {1u, 2u}) {
        grid.select({1850, month, false});
        sum += grid.grid().figures().globalMean;
    }
    char global[64];
    std::snprintf(global, sizeof global, "%.6f", sum * (1.0 / 4));
    std::string expected = std::string("1850;1 bis 2;") + global;
    std::replace(expected.begin(), expected.end(), '.', ',');
    EXPECT_EQ(lastRow.substr(0, expected.size()), expected);

    StepProgress none;
    none.requestStop();
    ExportRequest request{
        {1, "data/cru/hadcrut3v.dat"}, ExportSpan{1850, 1, 1850, 4}, false, false, {}};
    outcome = ExportWorker(request, none).run("Auswertung.csv");
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.lastYear, 0u);
    EXPECT_EQ(outcome.lastMonth, 0u);
}

// The largest years never overflow the month arithmetic; months past the file write 0 and 0.
TEST_F(ExportWorkerTest, YearsAsLargeAsTheFieldsAllowArePastTheEnd) {
    ExportSpan far{4294967295u, 12, 4294967295u, 1};
    EXPECT_EQ(far.totalMonths(), 2u);
    exportTable(ExportRequest{dataset, far, false, false, {}});
    std::string rows = table();
    EXPECT_NE(rows.find("4294967295;12;0,000000;0\n4294967296;1;0,000000;0\n"), std::string::npos)
        << rows;
}

// A dataset that cannot be opened or a folder that cannot be written raise, and the table of the
// last export stays as it was.
TEST_F(ExportWorkerTest, FailuresLeaveTheOldTable) {
    exportTable(ExportRequest{dataset, ExportSpan{1850, 1, 1850, 1}, false, false, {}});
    std::string before = table();
    ExportRequest missing{{1, "data/cru/missing.dat"}, ExportSpan{}, false, false, {}};
    StepProgress counter;
    EXPECT_THROW(ExportWorker(missing, counter).run("Auswertung.csv"), ZException);
    EXPECT_EQ(table(), before);

    std::filesystem::create_directory(folder.path() / "locked");
    std::filesystem::permissions(folder.path() / "locked", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_exec);
    ExportRequest request{{1, "data/cru/hadcrut3v.dat"}, ExportSpan{}, false, false, {}};
    if (access((folder.path() / "locked").c_str(), W_OK) != 0) {
        EXPECT_THROW(ExportWorker(request, counter).run("locked/Auswertung.csv"), ZException);
    }
    // A folder in place of the table: the new file is written, the rename fails.
    std::filesystem::create_directories(folder.path() / "busy/Auswertung.csv/x");
    EXPECT_THROW(ExportWorker(request, counter).run("busy/Auswertung.csv"), ZException);
    // The new file does not stay behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "busy"), {}), 1);
}

}  // namespace
