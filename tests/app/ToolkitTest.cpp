#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <chrono>
#include <thread>
#include <vector>

#include "MessageLog.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZAcceleratorFilter.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZControlStatusbar.h"
#include "toolkit/ui/ZControlTab.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZMenu.h"
#include "toolkit/ui/ZResourceModule.h"
#include "toolkit/ui/ZUiThread.h"
#include "toolkit/ui/ZWindow.h"

namespace {

using namespace std::chrono_literals;

// The wait dialog's template, optionally with the delay before its window appears.
class TestDialog : public ZDialog {
  public:
    explicit TestDialog(int showDelay = 0) : ZDialog(nullptr, IDD_WAIT) { setShowDelay(showDelay); }
};

// A top-level window that records the commands it receives.
class CommandWindow : public ZWindow, public ZWindow::EventHandler {
  public:
    CommandWindow() {
        create(nullptr, "Test", this, ZWindowStyle{"Test", Z_WS_CAPTION | Z_WS_SYSMENU, 0}, 0, 0,
               300, 200);
        showWindow();
    }
    std::intptr_t onWindowMessage(ZWindowContext&, unsigned message, std::uintptr_t first,
                                  std::intptr_t) override {
        if (message == Z_WM_COMMAND) {
            commands.push_back(first);
        }
        return 0;
    }
    std::vector<std::uintptr_t> commands;
};

bool pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    return press.isAccepted();
}

TEST(DialogTest, CloseFromAnotherThreadBeforeShowIsKept) {
    TestDialog dialog;
    std::thread worker([&] { dialog.close(7); });
    worker.join();
    EXPECT_EQ(dialog.show(true), 7);
    EXPECT_FALSE(dialog.isCreated());
}

TEST(DialogTest, CloseFromAnotherThreadEndsTheModalLoop) {
    TestDialog dialog;
    std::thread worker([&] {
        std::this_thread::sleep_for(50ms);
        dialog.close(3);
    });
    EXPECT_EQ(dialog.show(true), 3);
    worker.join();
}

TEST(DialogTest, EachShowTakesOneClose) {
    TestDialog dialog;
    for (int round = 1; round <= 3; ++round) {
        std::thread worker([&] { dialog.close(round); });
        EXPECT_EQ(dialog.show(true), round);
        worker.join();
    }
}

TEST(DialogTest, DelayedWindowAppearsOnlyForLongWork) {
    TestDialog quick(200);
    bool quickVisible = false;
    std::thread shortWork([&] {
        ZUiThread::runAndWait(
            [&] { quickVisible = quick.widget() && quick.widget()->isVisible(); });
        quick.close(0);
    });
    quick.show(true);
    shortWork.join();
    EXPECT_FALSE(quickVisible);

    TestDialog slow(200);
    bool slowVisible = false;
    std::thread longWork([&] {
        auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!slowVisible && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
            ZUiThread::runAndWait(
                [&] { slowVisible = slow.widget() && slow.widget()->isVisible(); });
        }
        slow.close(0);
    });
    slow.show(true);
    longWork.join();
    EXPECT_TRUE(slowVisible);
}

TEST(UiThreadTest, WorkFromAnotherThreadRunsInOrderBeforeTheClose) {
    TestDialog dialog;
    std::vector<int> seen;
    std::thread::id uiThread = std::this_thread::get_id();
    bool allOnUiThread = true;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i) {
            ZUiThread::run(&seen, [&, i] {
                seen.push_back(i);
                allOnUiThread = allOnUiThread && std::this_thread::get_id() == uiThread;
            });
        }
        dialog.close(0);
    });
    dialog.show(true);
    worker.join();
    ASSERT_EQ(seen.size(), 100u);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(seen[i], i);
    }
    EXPECT_TRUE(allOnUiThread);
}

TEST(UiThreadTest, CancelDropsQueuedWorkOfThatOwnerOnly) {
    int dropped = 0;
    int kept = 0;
    std::thread worker([&] {
        ZUiThread::run(&dropped, [&] { ++dropped; });
        ZUiThread::run(&kept, [&] { ++kept; });
    });
    worker.join();
    ZUiThread::cancel(&dropped);
    QApplication::processEvents();
    EXPECT_EQ(dropped, 0);
    EXPECT_EQ(kept, 1);
}

TEST(UiThreadTest, MessageFromAWorkerWaitsForTheUserInterface) {
    MessageLog log;
    TestDialog dialog;
    std::size_t seenByWorker = 0;
    std::thread worker([&] {
        ZSystem::showMessage(nullptr, "Text", "Titel", false);
        ZUiThread::runAndWait([&] { seenByWorker = log.messages.size(); });
        dialog.close(0);
    });
    dialog.show(true);
    worker.join();
    EXPECT_EQ(seenByWorker, 1u);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].first, "Text");
    EXPECT_EQ(log.messages[0].second, "Titel");
}

TEST(AcceleratorTest, TableKeysBecomeCommandsOfTheirWindowOnly) {
    CommandWindow window;
    CommandWindow other;
    ZAcceleratorFilter filter(window, ZSystem::getInstance().findAccelerators(IDR_ACCELERATORS));
    qApp->installEventFilter(&filter);
    pressKey(window.clientWidget(), Qt::Key_Right);
    pressKey(window.clientWidget(), Qt::Key_D, Qt::ControlModifier);
    pressKey(window.clientWidget(), Qt::Key_D);
    pressKey(window.clientWidget(), Qt::Key_Up, Qt::ShiftModifier);
    pressKey(other.clientWidget(), Qt::Key_Left);
    qApp->removeEventFilter(&filter);

    const std::uintptr_t fromKey = std::uintptr_t{1} << 16;
    EXPECT_EQ(window.commands,
              (std::vector<std::uintptr_t>{fromKey | CMD_NEXT_MONTH, fromKey | CMD_DATASET_KEY}));
    EXPECT_TRUE(other.commands.empty());
}

TEST(MenuTest, ItemsDeliverTheirIdAndChecksReachSubmenus) {
    CommandWindow window;
    ZBitmap checked;
    checked.create(ZSystem::getInstance().loadBitmap(IDB_CHECKED_MARK));
    ZBitmap unchecked;
    unchecked.create(ZSystem::getInstance().loadBitmap(IDB_UNCHECKED_MARK));
    ZMenu bar;
    ZMenu view;
    ZMenu maps;
    bar.createMenuBar();
    view.createPopupMenu();
    maps.createPopupMenu();
    view.addItem(CMD_SCALE_100, "100%", checked, unchecked);
    maps.addItem(CMD_MAP_OUTLINES, "Umrisse", checked, unchecked);
    view.addSubmenu("Karte", maps);
    bar.addSubmenu("Ansicht", view);
    bar.addItem(CMD_HELP, "Hilfe");
    window.setMenu(bar);

    view.checkItem(CMD_MAP_OUTLINES, true);
    view.checkItem(CMD_MAP_NIGHT, true);
    EXPECT_TRUE(maps.isItemChecked(CMD_MAP_OUTLINES));
    EXPECT_FALSE(view.isItemChecked(CMD_MAP_NIGHT));
    view.checkItem(CMD_MAP_OUTLINES, false);
    EXPECT_FALSE(view.isItemChecked(CMD_MAP_OUTLINES));

    QMenuBar* menuBar = bar.menuBar();
    for (QAction* action : menuBar->actions()) {
        if (action->data().isValid()) {
            emit menuBar->triggered(action);
        }
    }
    EXPECT_EQ(window.commands, std::vector<std::uintptr_t>{CMD_HELP});
}

TEST(ControlsTest, TabGivesItsPageTheDisplayAreaAsked) {
    CommandWindow window;
    ZControlTab tab;
    tab.create(&window, "Tabulator");
    ZWindow::EventHandler pageEvents;
    ZWindow page;
    page.create(&tab, "Seite", &pageEvents, ZWindowStyle{"Test", Z_WS_CHILD | Z_WS_VISIBLE, 0}, 0,
                0, 0, 0);
    tab.addPage(0, "Weltkarte", page);
    ZRect area = tab.calcWindowRect(814, 489);
    tab.setWindowPos(area.left, area.top, area.width(), area.height());
    window.setWindowPos(0, 0, area.width(), area.height());
    QApplication::processEvents();
    EXPECT_EQ(page.getWindowRect().width(), 814);
    EXPECT_EQ(page.getWindowRect().height(), 489);
}

TEST(ControlsTest, StatusBarKeepsItsPartsAtTheBottom) {
    CommandWindow window;
    ZControlStatusbar status;
    status.create(&window, "AppStatusBar");
    const int edges[] = {300, 400, 600};
    status.setParts(3, edges);
    window.setWindowPos(0, 0, 700, 300);
    status.adjust();
    ZRect bar = status.getWindowRect();
    EXPECT_EQ(bar.bottom, window.getClientRect().bottom);
    EXPECT_EQ(bar.width(), 700);
    EXPECT_EQ(bar.height(), status.getHeight());

    std::thread worker([&] { status.setText("rechts", 1); });
    worker.join();
    QApplication::processEvents();
    QList<QLabel*> parts = status.widget()->findChildren<QLabel*>();
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0]->geometry().left(), 0);
    EXPECT_EQ(parts[1]->geometry().left(), 300);
    EXPECT_EQ(parts[2]->geometry().left(), 400);
    EXPECT_LE(parts[2]->geometry().right(), 600);
    EXPECT_EQ(parts[1]->text(), QStringLiteral("rechts"));
}

TEST(ResourcesTest, MarksIconAndWaitTemplateAreThere) {
    const ZResourceModule& resources = ZSystem::getInstance();
    QImage checked = resources.loadBitmap(IDB_CHECKED_MARK);
    QImage unchecked = resources.loadBitmap(IDB_UNCHECKED_MARK);
    ASSERT_EQ(checked.size(), QSize(15, 15));
    ASSERT_EQ(unchecked.size(), QSize(15, 15));
    EXPECT_EQ(qGray(checked.pixel(7, 7)), 0);
    EXPECT_EQ(checked.pixel(0, 0), qRgb(255, 255, 255));
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) {
            ASSERT_EQ(unchecked.pixel(x, y), qRgb(255, 255, 255));
        }
    }
    EXPECT_FALSE(resources.loadIcon(IDI_SORVO).isNull());
    const ZDialogTemplate* wait = resources.findDialog(IDD_WAIT);
    ASSERT_NE(wait, nullptr);
    EXPECT_STREQ(wait->title, "Bitte waren ...");
    EXPECT_EQ(wait->items.size(), 2u);
    EXPECT_EQ(resources.findAccelerators(IDR_ACCELERATORS).size(), 7u);
}

}  // namespace
