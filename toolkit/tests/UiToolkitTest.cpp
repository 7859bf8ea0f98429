#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <chrono>
#include <functional>
#include <numeric>
#include <thread>
#include <vector>

#include "MessageBoxAnswerer.h"
#include "MessageLog.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZAcceleratorFilter.h"
#include "toolkit/ui/ZControlStatusbar.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZHeldKeyFilter.h"
#include "toolkit/ui/ZResourceModule.h"
#include "toolkit/ui/ZRunable.h"
#include "toolkit/ui/ZThread.h"
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

// Shows the dialog while the work runs on another thread, which then closes it with the result.
int showDuring(TestDialog& dialog, const std::function<void()>& work, int result = 0) {
    std::thread worker([&] {
        work();
        dialog.close(result);
    });
    int shown = dialog.show(true);
    worker.join();
    return shown;
}

void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

// A close from another thread counts whether it comes before the dialog is shown or while its
// modal loop runs, and each show takes exactly one close.
TEST(DialogTest, CloseFromAnotherThreadBeforeOrDuringShow) {
    TestDialog dialog;
    std::thread([&] { dialog.close(7); }).join();
    EXPECT_EQ(dialog.show(true), 7);
    EXPECT_FALSE(dialog.isCreated());
    for (int round = 1; round <= 2; ++round) {
        EXPECT_EQ(showDuring(
                      dialog, [] { std::this_thread::sleep_for(50ms); }, round),
                  round);
    }
}

// The wait window appears only when the work outlasts its delay.
TEST(DialogTest, DelayedWindowAppearsOnlyForLongWork) {
    auto visible = [](TestDialog& dialog) {
        bool shown = false;
        ZUiThread::runAndWait([&] { shown = dialog.widget() && dialog.widget()->isVisible(); });
        return shown;
    };
    TestDialog quick(200);
    bool quickVisible = true;
    showDuring(quick, [&] { quickVisible = visible(quick); });
    EXPECT_FALSE(quickVisible);

    TestDialog slow(200);
    bool slowVisible = false;
    showDuring(slow, [&] {
        for (int i = 0; i < 500 && !(slowVisible = visible(slow)); ++i) {
            std::this_thread::sleep_for(20ms);
        }
    });
    EXPECT_TRUE(slowVisible);
}

// A message raised by the work, before or after the wait window's delay, comes to the top
// without the wait window and takes the Enter key; the wait then ends as usual.
TEST(DialogTest, MessageFromTheWorkIsAnsweredAboveTheWaitWindow) {
    for (auto beforeMessage : {0ms, 150ms}) {
        MessageBoxAnswerer user;
        TestDialog dialog(50);
        auto work = [&] {
            std::this_thread::sleep_for(beforeMessage);
            ZSystem::showMessage(nullptr, "Fehler im Ablauf", "Fehler", false);
        };
        EXPECT_EQ(showDuring(dialog, work, 3), 3);
        EXPECT_EQ(user.texts, std::vector<std::string>{"Fehler im Ablauf"});
        EXPECT_FALSE(user.waitWindowSeenWithBox || user.boxBlocked) << beforeMessage.count();
    }
}

// Keys that arrive while work runs are dropped, not replayed afterwards; then the table's keys
// become commands of their window only.
TEST(DialogTest, InputDuringWorkIsDroppedAndTableKeysReachTheirWindowOnly) {
    CommandWindow window;
    CommandWindow other;
    ZAcceleratorFilter filter(window, ZSystem::getInstance().findAccelerators(IDR_ACCELERATORS));
    qApp->installEventFilter(&filter);
    TestDialog dialog(200);
    showDuring(dialog, [&] {
        for (int i = 0; i < 5; ++i) {
            ZUiThread::runAndWait([&] { pressKey(window.clientWidget(), Qt::Key_Right); });
        }
    });
    QApplication::processEvents();
    EXPECT_TRUE(window.commands.empty());

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

// A key event as the desktop delivers it, at a time in milliseconds.
void sendKey(QWidget* target, QEvent::Type type, int key, quint64 time, bool repeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(target, &event);
}

// A held key comes as a press marked as repeated, or unmarked as a release and a press of the
// same moment. Held since before the window came up it does nothing there; pressed there it
// repeats.
TEST(HeldKeyFilterTest, KeyHeldFromBeforeIsDroppedAndKeysPressedHereRepeat) {
    QWidget window;
    auto* edit = new QLineEdit("abcd", &window);
    edit->setCursorPosition(4);
    ZHeldKeyFilter filter(&window);
    sendKey(edit, QEvent::KeyRelease, Qt::Key_Backspace, 100);
    sendKey(edit, QEvent::KeyPress, Qt::Key_Backspace, 100);
    sendKey(edit, QEvent::KeyPress, Qt::Key_Backspace, 140, true);
    sendKey(edit, QEvent::KeyRelease, Qt::Key_Backspace, 150);
    EXPECT_EQ(edit->text(), "abcd");
    sendKey(edit, QEvent::KeyPress, Qt::Key_Backspace, 300);
    sendKey(edit, QEvent::KeyRelease, Qt::Key_Backspace, 800);
    sendKey(edit, QEvent::KeyPress, Qt::Key_Backspace, 800);
    sendKey(edit, QEvent::KeyPress, Qt::Key_Backspace, 840, true);
    EXPECT_EQ(edit->text(), "a");
}

// Work queued from another thread runs on the user-interface thread, in order and before the
// close that follows it; a message box from a worker is shown before the worker goes on.
TEST(UiThreadTest, WorkAndMessagesFromAnotherThreadRunInOrderOnTheUiThread) {
    MessageLog log;
    TestDialog dialog;
    std::vector<int> seen;
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 0);
    std::thread::id uiThread = std::this_thread::get_id();
    bool allOnUiThread = true;
    std::size_t seenByWorker = 0;
    showDuring(dialog, [&] {
        for (int i = 0; i < 100; ++i) {
            ZUiThread::run(&seen, [&, i] {
                seen.push_back(i);
                allOnUiThread = allOnUiThread && std::this_thread::get_id() == uiThread;
            });
        }
        ZSystem::showMessage(nullptr, "Text", "Titel", false);
        ZUiThread::runAndWait([&] { seenByWorker = log.messages.size(); });
    });
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(allOnUiThread);
    EXPECT_EQ(seenByWorker, 1u);
    EXPECT_EQ(log.messages, (decltype(log.messages){{"Text", "Titel"}}));
}

// Runs are taken one after the other, never beside each other, by one thread kept between them
// (it counts them); the thread's end waits for a run still queued.
TEST(ThreadTest, RunsFollowEachOtherOnOneKeptThread) {
    struct Recorder : ZRunable {
        void run() override {
            thread_local int runsOnThisThread = 0;
            std::this_thread::sleep_for(2ms);
            runs.push_back(++runsOnThisThread);
            elsewhere = elsewhere && std::this_thread::get_id() != uiThread;
        }
        std::thread::id uiThread = std::this_thread::get_id();
        bool elsewhere = true;
        std::vector<int> runs;
    } recorder;
    {
        ZThread thread;
        for (int i = 0; i < 3; ++i) {
            thread.start(recorder);
        }
        thread.wait();
        EXPECT_FALSE(thread.isActive());
        thread.start(recorder);
    }
    EXPECT_EQ(recorder.runs, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(recorder.elsewhere);
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

TEST(ControlsTest, StatusBarKeepsItsPartsAtTheBottom) {
    CommandWindow window;
    ZControlStatusbar status;
    status.create(&window, "AppStatusBar");
    const int edges[] = {300, 400, 600};
    status.setParts(3, edges);
    window.setWindowPos(0, 0, 700, 300);
    status.adjust();
    int bottom = window.getClientRect().bottom;
    EXPECT_EQ(status.getWindowRect(), (ZRect{0, bottom - status.getHeight(), 700, bottom}));

    std::thread worker([&] { status.setText("rechts", 1); });
    worker.join();
    QApplication::processEvents();
    QList<QLabel*> parts = status.widget()->findChildren<QLabel*>();
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0]->x(), 0);
    EXPECT_EQ(parts[1]->x(), 300);
    EXPECT_EQ(parts[2]->x(), 400);
    EXPECT_LE(parts[2]->geometry().right(), 600);
    EXPECT_EQ(parts[1]->text(), QStringLiteral("rechts"));
}

}  // namespace
