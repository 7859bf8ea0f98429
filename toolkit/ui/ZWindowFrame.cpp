#include "toolkit/ui/ZWindowFrame.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <algorithm>

#include "toolkit/ui/ZClientArea.h"

ZWindowFrame::ZWindowFrame(QWidget* parent, Qt::WindowFlags flags, bool clientEdge)
    : QFrame(parent, flags), client_(new ZClientArea(this)) {
    setFrameStyle(clientEdge ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void ZWindowFrame::setMenuBar(QMenuBar* menuBar) {
    if (menuBar_ && menuBar_ != menuBar) {
        menuBar_->hide();
    }
    menuBar_ = menuBar;
    if (menuBar_) {
        menuBar_->setParent(this);
        menuBar_->show();
    }
    layoutContents();
}

int ZWindowFrame::menuBarHeight(int width) const {
    if (!menuBar_) {
        return 0;
    }
    int height = menuBar_->heightForWidth(width);
    return height > 0 ? height : menuBar_->sizeHint().height();
}

void ZWindowFrame::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layoutContents();
}

void ZWindowFrame::closeEvent(QCloseEvent* event) {
    // The handler decides; a window goes only when it is destroyed.
    event->ignore();
    if (handler_) {
        handler_->onWindowClose();
    }
}

void ZWindowFrame::layoutContents() {
    QRect inner = contentsRect();
    int top = inner.top();
    if (menuBar_) {
        int height = menuBarHeight(inner.width());
        menuBar_->setGeometry(inner.left(), top, inner.width(), height);
        top += height;
    }
    client_->setGeometry(inner.left(), top, inner.width(), std::max(0, inner.bottom() + 1 - top));
}
