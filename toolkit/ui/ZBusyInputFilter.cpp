#include "toolkit/ui/ZBusyInputFilter.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

ZBusyInputFilter::ZBusyInputFilter(QWidget* waitWindow) : waitWindow_(waitWindow) {
    QCoreApplication::instance()->installEventFilter(this);
}

ZBusyInputFilter::~ZBusyInputFilter() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ZBusyInputFilter::isUserInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

bool ZBusyInputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event)) {
        return false;
    }
    // Events reach a window's platform half first and its widgets after; the widgets decide.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) {
        return false;
    }
    QWidget* modal = QApplication::activeModalWidget();
    bool aboveWork = modal && modal != waitWindow_ && widget->window() == modal;
    return !aboveWork;
}
