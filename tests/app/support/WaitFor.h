#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <functional>

// Lets the event loop run until the condition holds (at most twenty seconds), so that a worker's
// results reach the dialog that waits for them.
inline bool waitFor(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return condition();
}
