#include "toolkit/ui/ZClientArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "toolkit/ui/ZAccelerator.h"
#include "toolkit/ui/ZRasterSurface.h"
#include "toolkit/ui/ZWindowFrame.h"

namespace {

unsigned mouseFlags(const QMouseEvent* event) {
    unsigned flags = 0;
    if (event->buttons() & Qt::LeftButton) {
        flags |= Z_MK_LBUTTON;
    }
    if (event->buttons() & Qt::RightButton) {
        flags |= Z_MK_RBUTTON;
    }
    if (event->buttons() & Qt::MiddleButton) {
        flags |= Z_MK_MBUTTON;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        flags |= Z_MK_SHIFT;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        flags |= Z_MK_CONTROL;
    }
    return flags;
}

}  // namespace

ZClientArea::ZClientArea(ZWindowFrame* frame) : QWidget(frame), frame_(frame) {
    setMouseTracking(true);
}

void ZClientArea::enterEvent(QEnterEvent*) {
    if (auto* handler = frame_->handler()) {
        handler->onWindowMouseEnter();
    }
}

void ZClientArea::leaveEvent(QEvent*) {
    if (auto* handler = frame_->handler()) {
        handler->onWindowMouseLeave();
    }
}

void ZClientArea::mouseMoveEvent(QMouseEvent* event) {
    if (auto* handler = frame_->handler()) {
        QPoint at = event->position().toPoint();
        handler->onWindowMouseMove(at.x(), at.y(), mouseFlags(event));
    }
}

void ZClientArea::mousePressEvent(QMouseEvent* event) {
    auto* handler = frame_->handler();
    if (!handler) {
        return;
    }
    QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        handler->onWindowMouseLeftDown(at.x(), at.y(), mouseFlags(event));
    } else if (event->button() == Qt::RightButton) {
        handler->onWindowMouseRightDown(at.x(), at.y(), mouseFlags(event));
    }
}

void ZClientArea::mouseReleaseEvent(QMouseEvent* event) {
    auto* handler = frame_->handler();
    if (!handler) {
        return;
    }
    QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        handler->onWindowMouseLeftUp(at.x(), at.y(), mouseFlags(event));
    } else if (event->button() == Qt::RightButton) {
        handler->onWindowMouseRightUp(at.x(), at.y(), mouseFlags(event));
    }
}

void ZClientArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // A right double click is no second press, as on the classic desktop.
    auto* handler = frame_->handler();
    if (handler && event->button() == Qt::LeftButton) {
        QPoint at = event->position().toPoint();
        handler->onWindowMouseLeftDoubleClick(at.x(), at.y(), mouseFlags(event));
    }
}

void ZClientArea::keyPressEvent(QKeyEvent* event) {
    std::uint16_t key = zVirtualKey(event->key());
    if (auto* handler = frame_->handler(); handler && key != 0) {
        handler->onWindowKeyPressed(key);
    }
    QWidget::keyPressEvent(event);
}

void ZClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QRect area = event->rect();
    ZRasterSurface surface(painter, area);
    auto* handler = frame_->handler();
    if (!handler || !handler->onWindowEraseBackground(surface)) {
        painter.fillRect(area, palette().window());
    }
    if (handler) {
        handler->onWindowRestore(surface, ZRect{area.left(), area.top(), area.left() + area.width(),
                                                area.top() + area.height()});
    }
}

void ZClientArea::resizeEvent(QResizeEvent*) {
    if (auto* handler = frame_->handler()) {
        handler->onWindowResize(width(), height());
    }
}
