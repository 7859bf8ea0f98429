#include "toolkit/ui/ZHeldKeyFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

ZHeldKeyFilter::ZHeldKeyFilter(QWidget* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

ZHeldKeyFilter::~ZHeldKeyFilter() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ZHeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    // Events reach a window's platform half first and its widgets after; the widgets decide.
    // A key a widget leaves goes on to its parent, so the same event may come here again.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    auto last = released_.constFind(code);
    const bool releasedJustNow = last != released_.constEnd() && last->time == key->timestamp();
    if (type == QEvent::KeyRelease) {
        if (releasedJustNow) {
            return !last->ours;
        }
        bool ours = pressedHere_.remove(code);
        released_.insert(code, Release{key->timestamp(), ours});
        return !ours;
    }
    if (!key->isAutoRepeat() && !releasedJustNow) {
        pressedHere_.insert(code);
        return false;
    }
    bool ours = pressedHere_.contains(code) || (releasedJustNow && last->ours);
    if (ours) {
        pressedHere_.insert(code);
    }
    return !ours;
}
