#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QTabWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "MessageBoxAnswerer.h"
#include "WindowTest.h"

namespace {

// Caps the address space for a while above what the process holds now, so that drawing which
// grows without bound fails an allocation instead of taking the machine's memory.
class AddressSpaceCap {
  public:
    explicit AddressSpaceCap(rlim_t extraBytes) {
        getrlimit(RLIMIT_AS, &old_);
        rlim_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit cap = old_;
        cap.rlim_cur = std::min(old_.rlim_max, pages * sysconf(_SC_PAGESIZE) + extraBytes);
        setrlimit(RLIMIT_AS, &cap);
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &old_); }
    AddressSpaceCap(const AddressSpaceCap&) = delete;
    AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;

  private:
    rlimit old_{};
};

class MainWindowTest : public WindowTest {
  protected:
    QSize displayArea() const {
        auto* tabs = qobject_cast<QTabWidget*>(window->tab.widget());
        QApplication::processEvents();
        return tabs->currentWidget()->size();
    }

    bool checked(int item) const { return window->viewMenu.isItemChecked(item); }

    unsigned date() const {
        return window->database.selection().year() * 100 + window->database.selection().month();
    }
};

// Without a settings file: every default, and the first window centred by the map's size.
TEST_F(MainWindowTest, MissingSettingsStartWithEveryDefault) {
    MainWindow& w = start("");
    EXPECT_EQ(date(), 199006u);
    EXPECT_TRUE(checked(CMD_SCALE_75) && checked(CMD_MAP_SATELLITE));
    EXPECT_FALSE(checked(CMD_ORTHOGRAPHIC));
    EXPECT_TRUE(log.messages.empty());

    EXPECT_EQ(displayArea(), QSize(814, 489));
    EXPECT_EQ(w.mapBitmap.image().size(), QSize(810, 485));
    ZRect frame = w.getWindowRect();
    EXPECT_EQ(frame.left, (ZSystem::getFullScreenWidth() - 750) / 2);
    EXPECT_EQ(frame.top, (ZSystem::getFullScreenHeight() - 375) / 2);
    // The status bar sits right under the tab.
    EXPECT_EQ(w.statusBar.getWindowRect().top, w.tab.getWindowRect().bottom);
    EXPECT_EQ(w.statusBar.getWindowRect().bottom, w.getClientRect().bottom);
}

// Out-of-range values drive the window as they stand. In year-average mode the month keys do
// nothing.
TEST_F(MainWindowTest, StoredValuesAreUsedAsTheyStand) {
    MainWindow& w = start("SCALE_PERCENT=60\nMAP_TYPE=7\nORTH_VIEW=1\nMONTH=3\nYEAR_AVERAGE=1\n");
    EXPECT_EQ(date(), 199003u);
    EXPECT_TRUE(w.database.selection().yearAverage());
    EXPECT_EQ(displayArea(), QSize(664, 414));
    EXPECT_FALSE(checked(CMD_SCALE_100) || checked(CMD_SCALE_75) || checked(CMD_SCALE_50));
    EXPECT_TRUE(checked(CMD_MAP_OUTLINES));
    EXPECT_TRUE(w.document.background.isEmpty());
    EXPECT_TRUE(checked(CMD_ORTHOGRAPHIC));
    qint64 before = pictureKey();
    command(CMD_NEXT_MONTH);
    command(CMD_PREVIOUS_MONTH);
    EXPECT_EQ(date(), 199003u);
    EXPECT_EQ(pictureKey(), before);
    command(CMD_NEXT_YEAR);
    EXPECT_EQ(date(), 199103u);
    EXPECT_NE(pictureKey(), before);
    closeWindow();
    std::string saved = folder.read("init.txt");
    EXPECT_NE(saved.find("SCALE_PERCENT=60\n"), std::string::npos);
    EXPECT_NE(saved.find("MAP_TYPE=7\n"), std::string::npos);
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsAndTheNextStartRestoresThem) {
    start("YEAR=1850\nMONTH=12\nFOO=1\n");
    command(CMD_NEXT_MONTH);
    command(CMD_SCALE_50);
    command(CMD_MAP_LAND_WATER);
    command(CMD_ORTHOGRAPHIC);
    closeWindow();

    MainWindow& again = start("");
    EXPECT_EQ(date(), 185101u);
    EXPECT_EQ(again.document.view.mapType, 3u);
    EXPECT_TRUE(again.document.view.globe);
    EXPECT_EQ(displayArea(), QSize(564, 364));
}

// A second window in the same working folder says so once and writes nothing on closing, so
// the first one's settings and positions are what the folder keeps.
TEST_F(MainWindowTest, SecondWindowInTheFolderSavesNothing) {
    const std::string settings = "YEAR=1850\nMONTH=12\n";
    start(settings);
    EXPECT_TRUE(log.messages.empty());
    MainWindow second;
    second.create(nullptr);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_NE(log.messages[0].first.find("bereits"), std::string::npos);
    EXPECT_EQ(log.messages[0].second, "Information");
    second.onWindowMessage(second, Z_WM_COMMAND, CMD_NEXT_MONTH, 0);
    second.widget()->close();
    EXPECT_EQ(ZSystem::messageLoop(second, IDR_ACCELERATORS), 0);
    EXPECT_EQ(folder.read("init.txt"), settings);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "positions.txt"));
    closeWindow();
    EXPECT_NE(folder.read("init.txt").find("YEAR=1850\nMONTH=12\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "positions.txt"));
    EXPECT_EQ(log.messages.size(), 1u);
}

TEST_F(MainWindowTest, MissingDatasetIsReportedAndEndsTheProgram) {
    start("DB_FILE=data/cru/missing.dat\n");
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_NE(log.messages[0].first.find("data/cru/missing.dat"), std::string::npos);
    EXPECT_EQ(ZSystem::messageLoop(*window, IDR_ACCELERATORS), 0);
}

// A map too large to make fails on the worker: its message comes up above the wait dialog,
// the user answers it, and the window is idle and usable afterwards.
TEST_F(MainWindowTest, FailedRenderIsReportedAndLeavesAUsableWindow) {
    MessageBoxAnswerer user;
    MainWindow& w = start("SCALE_PERCENT=100000\n");
    ASSERT_EQ(user.texts.size(), 1u);
    EXPECT_NE(user.texts[0].find("kann nicht erstellt werden"), std::string::npos);
    EXPECT_FALSE(user.waitWindowSeenWithBox || user.boxBlocked);
    EXPECT_TRUE(w.isCreated());
    EXPECT_FALSE(w.worker.waitDialog.isCreated());
    command(CMD_SCALE_75);
    EXPECT_EQ(w.mapBitmap.image().size(), QSize(810, 485));
    EXPECT_EQ(displayArea(), QSize(814, 489));
    EXPECT_EQ(user.texts.size(), 1u);
}

// Any scale in the settings ends in a painted window or a message, in bounded memory: a scale
// too large to draw (a negative one reads as one) is refused before anything is allocated, the
// panel stays empty, the window stays on the screen, the value is kept for the settings file,
// and a scale from the menu works afterwards. 0 takes the default.
TEST_F(MainWindowTest, EveryScaleFromTheSettingsEndsInAPaintedWindowOrAMessage) {
    AddressSpaceCap cap(rlim_t{2} << 30);
    struct Case {
        std::string setting;
        std::string written;
        QSize picture;
    };
    const Case cases[] = {{"-1", "-1", QSize()},        {"-50", "-50", QSize()},
                          {"0", "75", QSize(810, 485)}, {"1", "1", QSize(70, 115)},
                          {"9999", "9999", QSize()},    {"100000", "100000", QSize()}};
    for (const Case& c : cases) {
        SCOPED_TRACE("SCALE_PERCENT=" + c.setting);
        log.messages.clear();
        MainWindow& w = start("SCALE_PERCENT=" + c.setting + "\n");
        QImage shown = w.mapPanel.clientWidget()->grab(QRect(0, 0, 300, 200)).toImage();
        QApplication::processEvents();
        if (c.picture.isEmpty()) {
            ASSERT_EQ(log.messages.size(), 1u);
            EXPECT_NE(log.messages[0].first.find("höchstens 100 Millionen Pixel"),
                      std::string::npos)
                << log.messages[0].first;
            EXPECT_TRUE(w.mapBitmap.isEmpty());
            QImage white(shown.size(), QImage::Format_RGB32);
            white.fill(Qt::white);
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == white)
                << "the empty panel shows more than white";
        } else {
            EXPECT_TRUE(log.messages.empty());
            EXPECT_EQ(w.mapBitmap.image().size(), c.picture);
        }
        ZRect frame = w.getWindowRect();
        EXPECT_TRUE(frame.left >= 0 && frame.top >= 0 &&
                    frame.right <= ZSystem::getFullScreenWidth() &&
                    frame.bottom <= ZSystem::getFullScreenHeight());
        w.saveSettings();
        EXPECT_NE(folder.read("init.txt").find("SCALE_PERCENT=" + c.written + "\n"),
                  std::string::npos);
        command(CMD_SCALE_50);
        EXPECT_EQ(w.mapBitmap.image().size(), QSize(560, 360));
        EXPECT_EQ(displayArea(), QSize(564, 364));
        EXPECT_EQ(log.messages.size(), c.picture.isEmpty() ? 1u : 0u);
        closeWindow();
    }
}

TEST_F(MainWindowTest, ArrowKeysStepThroughMonthsAndYears) {
    MainWindow& w = start("YEAR=1851\nMONTH=1\n");
    command(CMD_PREVIOUS_MONTH);
    EXPECT_EQ(date(), 185012u);
    command(CMD_NEXT_MONTH);
    EXPECT_EQ(date(), 185101u);
    command(CMD_PREVIOUS_YEAR);
    // January 1850 stays where it is but is drawn again; years step on before it.
    qint64 before = pictureKey();
    command(CMD_PREVIOUS_MONTH);
    EXPECT_EQ(date(), 185001u);
    EXPECT_NE(pictureKey(), before);
    command(CMD_PREVIOUS_YEAR);
    EXPECT_EQ(date(), 184901u);
    EXPECT_EQ(w.worker.waitDialog.message, "Erstelle Karte ...");
}

// A window that would grow past the screen's edge moves up and left; otherwise the corner stays.
TEST_F(MainWindowTest, ScaleCommandsMoveTheCheckAndKeepTheWindowOnTheScreen) {
    MainWindow& w = start("");
    ZRect before = w.getWindowRect();
    command(CMD_SCALE_100);
    EXPECT_EQ(displayArea(), QSize(1064, 614));
    EXPECT_EQ(w.mapBitmap.getWidth(), 1060);
    EXPECT_TRUE(checked(CMD_SCALE_100) && !checked(CMD_SCALE_75));
    command(CMD_SCALE_75);
    EXPECT_EQ(displayArea(), QSize(814, 489));
    EXPECT_EQ(w.getWindowRect(), before);

    w.setScale(100, 1500, 900);
    ZRect frame = w.getWindowRect();
    EXPECT_EQ(frame.right, ZSystem::getFullScreenWidth());
    EXPECT_EQ(frame.bottom, ZSystem::getFullScreenHeight());
    EXPECT_EQ(displayArea(), QSize(1064, 614));
    command(CMD_SCALE_50);
    EXPECT_EQ(w.getWindowRect().left, frame.left);
    EXPECT_EQ(w.getWindowRect().top, frame.top);
}

// A month block out of place is reported once per file and drawn as no data.
TEST_F(MainWindowTest, DatasetInTheWrongLayoutIsReportedNotDrawn) {
    std::string data = folder.read("data/cru/hadcrut3v.dat");
    const std::size_t block = HADCRUT3_LAYOUT.blockSize();
    data.replace(block, block, block, '\0');
    folder.write("data/cru/hadcrut3v.dat", data);
    MainWindow& w = start("YEAR=1850\nMONTH=2\n");
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_NE(log.messages[0].first.find("02/1850"), std::string::npos);
    EXPECT_EQ(log.messages[0].second, "Information");
    EXPECT_EQ(w.database.grid().figures().cellsWithData, 0u);
    command(CMD_NEXT_MONTH);
    EXPECT_GT(w.database.grid().figures().cellsWithData, 0u);
    command(CMD_PREVIOUS_MONTH);
    EXPECT_EQ(w.database.grid().figures().cellsWithData, 0u);
    EXPECT_EQ(log.messages.size(), 1u);
}

TEST_F(MainWindowTest, PlainLineEndMixUpIsReadAndNoted) {
    constexpr DatasetLayout LF_LAYOUT{11, "\n", 28, "-1.000e+30"};
    folder.write("data/cru/hadcrut3v.dat",
                 makeBlocks(LF_LAYOUT, 13, [](int) { return [](int, int) { return 1.25; }; }));
    MainWindow& w = start("YEAR=1851\nMONTH=1\n");
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(w.database.grid().figures().cellsWithData, 36u * 72u);
    QApplication::processEvents();
    auto* holder = w.statusBar.widget()->findChild<QWidget*>("note");
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->isVisible());
    auto* note = holder->findChild<QLabel*>();
    EXPECT_TRUE(note->text().contains("LF-Zeilenenden statt CRLF")) << note->text().toStdString();
}

// Values that are no numbers are noted once for the month read, not again when it is redrawn.
TEST_F(MainWindowTest, ValuesThatAreNoNumbersAreNotedOncePerMonthRead) {
    std::string data = folder.read("data/cru/hadcrut3v.dat");
    for (auto [k, row] : {std::pair{0, 3}, {0, 4}, {1, 5}}) {
        spoilCell(data, HADCRUT3_LAYOUT, k, row, 10);
    }
    folder.write("data/cru/hadcrut3v.dat", data);
    MainWindow& w = start("YEAR=1850\nMONTH=1\n");
    QApplication::processEvents();
    auto* holder = w.statusBar.widget()->findChild<QWidget*>("note");
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->isVisible());
    EXPECT_EQ(holder->findChild<QLabel*>()->text().toStdString(),
              "Januar 1850: 2 Werte sind keine Zahlen und gelten als 0,0.");
    holder->hide();
    command(CMD_SCALE_100);
    QApplication::processEvents();
    EXPECT_FALSE(holder->isVisible());
    command(CMD_NEXT_MONTH);
    QApplication::processEvents();
    EXPECT_TRUE(holder->isVisible());
    EXPECT_EQ(holder->findChild<QLabel*>()->text().toStdString(),
              "Februar 1850: 1 Wert ist keine Zahl und gilt als 0,0.");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(MainWindowTest, MissingCoastlinesAreReportedOnce) {
    start("MAP_TYPE=1\n");
    command(CMD_ORTHOGRAPHIC);
    command(CMD_NEXT_MONTH);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_NE(log.messages[0].first.find("worldmap.txt"), std::string::npos);
}

// The window's renderer outlives each picture, so the globe's tables are reused.
TEST_F(MainWindowTest, GlobeKeepsItsTablesInTheWindowsRendererFromMonthToMonth) {
    MainWindow& w = start("YEAR=1990\nMONTH=6\nORTH_VIEW=1\n");
    const KeptLayers& kept = w.renderer.kept();
    ASSERT_TRUE(kept.keptPixels() && kept.keptLines());
    const GlobePixelTable* table = kept.keptPixels();
    const GlobeLineLayer* lines = kept.keptLines();
    qint64 before = pictureKey();
    command(CMD_NEXT_MONTH);
    EXPECT_NE(pictureKey(), before);
    EXPECT_EQ(kept.keptPixels(), table);
    EXPECT_EQ(kept.keptLines(), lines);
    command(CMD_SCALE_100);
    EXPECT_NE(kept.keptPixels(), table);
    EXPECT_NE(kept.keptLines(), lines);
}

// The night picture has no menu item; a missing picture is reported, the map still redrawn.
TEST_F(MainWindowTest, NightPictureAndMissingPicture) {
    MainWindow& w = start("MAP_TYPE=4\n");
    EXPECT_NEAR(zGreen(w.document.background.getPixel(500, 250)), 200, 8);
    EXPECT_FALSE(checked(CMD_MAP_OUTLINES) || checked(CMD_MAP_SATELLITE) ||
                 checked(CMD_MAP_LAND_WATER));
    std::filesystem::remove(folder.path() / "weltkarte1.jpg");
    qint64 before = pictureKey();
    command(CMD_MAP_SATELLITE);
    EXPECT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(w.document.view.mapType, 2u);
    EXPECT_FALSE(checked(CMD_MAP_OUTLINES) || checked(CMD_MAP_SATELLITE));
    EXPECT_NE(pictureKey(), before);
    command(CMD_MAP_LAND_WATER);
    EXPECT_TRUE(checked(CMD_MAP_LAND_WATER));
    EXPECT_EQ(log.messages.size(), 1u);
}

TEST_F(MainWindowTest, SavingUsesTheWaitDialogLeavesTheMapAndNamesTheFileByDate) {
    MainWindow& w = start("");
    qint64 before = pictureKey();
    w.saveMap(PictureFormat::Gif, "karte.gif");
    EXPECT_EQ(w.worker.waitDialog.message, "Speicher GIF-Datei ...");
    w.saveMap(PictureFormat::Jpeg, "karte.jpg");
    EXPECT_EQ(w.worker.waitDialog.message, "Speicher JPG-Datei ...");
    EXPECT_EQ(pictureKey(), before);
    EXPECT_EQ(w.defaultSaveName("gif"), "hadcrut3v_1990_06.gif");
    EXPECT_EQ(w.defaultSaveName(""), "hadcrut3v_1990_06");
    w.database.select({1990, 6, true});
    EXPECT_EQ(w.defaultSaveName("jpg"), "hadcrut3v_1990.jpg");
}

TEST_F(MainWindowTest, PanelPaintsTheRenderedMap) {
    MainWindow& w = start("MAP_TYPE=3\n");
    QImage shown =
        w.mapPanel.clientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), w.mapBitmap.image().size());
    for (int y = 40; y < 400; y += 37) {
        for (int x = 40; x < 770; x += 53) {
            ASSERT_EQ(shown.pixel(x, y), w.mapBitmap.image().pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(MainWindowTest, StatusBarFollowsTheMouseAndEveryChangeOfView) {
    MainWindow& w = start("SCALE_PERCENT=100\n");
    w.mouseMovedTo(30, 30);
    EXPECT_EQ(statusText(0), QString::fromUtf8("90° 0' N / 180° 0' W"));
    w.mouseMovedTo(10, 10);
    EXPECT_EQ(statusText(0), "");
    EXPECT_EQ(statusText(1), "");

    // The globe puts another place under the same point, without the mouse moving.
    w.mouseMovedTo(530, 280);
    EXPECT_EQ(statusText(0), QString::fromUtf8("0° 0' S / 0° 0' O"));
    command(CMD_ORTHOGRAPHIC);
    EXPECT_EQ(statusText(0), QString::fromUtf8("45° 0' N / 10° 0' O"));
}

}  // namespace
