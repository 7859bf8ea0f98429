#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <vector>

#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogWindow.h"

// Answers real message boxes with the Enter key while it lives, the message sink off so that
// they go through the desktop's window stack; records their texts and what stood in their way.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() {
        ZSystem::setMessageSink(nullptr);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(20);
    }
    ~MessageBoxAnswerer() { timer_.stop(); }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<std::string> texts;
    bool waitWindowSeenWithBox = false;
    // A box that another window kept from taking input.
    bool boxBlocked = false;

  private:
    void poll() {
        QMessageBox* box = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->property(Z_WAIT_WINDOW_PROPERTY).toBool()) {
                waitWindowSeen_ = true;
            }
            if (auto* found = qobject_cast<QMessageBox*>(window); found && found->isVisible()) {
                box = found;
            }
        }
        if (!box) {
            waitWindowSeen_ = false;
            return;
        }
        waitWindowSeenWithBox = waitWindowSeenWithBox || waitWindowSeen_;
        // Answered only after a moment, long after any wait window would have appeared.
        if (++pollsWithBox_ < 15) {
            return;
        }
        pollsWithBox_ = 0;
        texts.push_back(box->text().toStdString());
        if (QApplication::activeModalWidget() == box) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
        } else {
            // Out of the user's reach: closed from here so that the test ends and reports it.
            boxBlocked = true;
            box->done(QMessageBox::Ok);
        }
    }

    QTimer timer_;
    int pollsWithBox_ = 0;
    bool waitWindowSeen_ = false;
};
