#include "toolkit/ui/ZModalCloseBlocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

ZModalCloseBlocker::ZModalCloseBlocker() {
    QCoreApplication::instance()->installEventFilter(this);
}

ZModalCloseBlocker::~ZModalCloseBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ZModalCloseBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isWindow() && widget->windowModality() == Qt::NonModal) {
        event->ignore();
        return true;
    }
    return false;
}
