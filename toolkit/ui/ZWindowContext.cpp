#include "toolkit/ui/ZWindowContext.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "toolkit/ui/ZUiThread.h"

namespace {

// Like the classic desktop, a top-level window is never larger than the whole screen area.
QSize limitedToScreen(QSize size) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return size;
    }
    QSize limit = screen->virtualSize();
    return QSize(std::min(size.width(), limit.width()), std::min(size.height(), limit.height()));
}

// A window placed partly off the work area is moved up and left until it fits (its status bar
// must not hang below the screen); one larger than the area keeps its top-left corner on it.
QPoint keptOnScreen(QPoint corner, QSize frame) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return corner;
    }
    QRect area = screen->availableGeometry();
    int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - frame.width()));
    int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - frame.height()));
    return QPoint(x, y);
}

}  // namespace

ZWindowContext::~ZWindowContext() {
    ZUiThread::cancel(this);
    delete widget_.data();
    delete retired_.data();
}

void ZWindowContext::attachWidgets(QWidget* widget, QWidget* client, bool fixedSize) {
    widget_ = widget;
    client_ = client;
    fixedSize_ = fixedSize;
}

void ZWindowContext::showWindow() {
    ZUiThread::run(this, [this] {
        if (widget_) {
            widget_->show();
        }
    });
}

void ZWindowContext::invalidateWindow() {
    ZUiThread::run(this, [this] {
        if (client_) {
            client_->update();
        }
    });
}

void ZWindowContext::updateWindow() {
    if (client_ && client_->isVisible()) {
        client_->repaint();
    }
}

void ZWindowContext::destroy() {
    ZUiThread::run(this, [this] {
        if (!widget_) {
            return;
        }
        onDestroy();
        retired_ = widget_;
        widget_ = nullptr;
        client_ = nullptr;
        retired_->hide();
        // The request may come from the widget's own event handler (a close box).
        retired_->deleteLater();
    });
}

void ZWindowContext::setWindowPos(int x, int y, int width, int height) {
    if (!widget_) {
        return;
    }
    QSize size(std::max(width, 0), std::max(height, 0));
    if (widget_->isWindow()) {
        size = limitedToScreen(size);
        if (fixedSize_) {
            widget_->setFixedSize(size);
        } else {
            widget_->resize(size);
        }
        QSize decoration = widget_->frameGeometry().size() - widget_->size();
        widget_->move(keptOnScreen(QPoint(x, y), size + decoration));
    } else {
        widget_->setGeometry(x, y, size.width(), size.height());
    }
}

ZRect ZWindowContext::getWindowRect() const {
    if (!widget_) {
        return ZRect{};
    }
    QRect area = widget_->isWindow() ? widget_->frameGeometry() : widget_->geometry();
    return ZRect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

ZRect ZWindowContext::getClientRect() const {
    if (!client_) {
        return ZRect{};
    }
    return ZRect{0, 0, client_->width(), client_->height()};
}

void ZWindowContext::sendCommand(int, bool) {}
