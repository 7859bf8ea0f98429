#include "toolkit/ui/ZWindow.h"

#include <QMenuBar>

#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZMenu.h"
#include "toolkit/ui/ZResourceModule.h"
#include "toolkit/ui/ZWindowFrame.h"

namespace {

Qt::WindowFlags topLevelFlags(std::uint32_t style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & Z_WS_CAPTION) == Z_WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    if (style & Z_WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (style & Z_WS_MINIMIZEBOX) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (style & Z_WS_MAXIMIZEBOX) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

}  // namespace

ZWindow::~ZWindow() {
    // The handler is usually the derived object, already gone: events from tearing the widgets
    // down must not reach it.
    if (ZWindowFrame* f = frame()) {
        f->setHandler(nullptr);
    }
}

void ZWindow::create(ZWindowContext* parent, const ZString& title, EventHandler* handler,
                     const ZWindowStyle& style, int x, int y, int width, int height) {
    if (isCreated()) {
        throw ZException("The window exists already.", 0);
    }
    bool child = style.style & Z_WS_CHILD;
    if (child && (!parent || !parent->clientWidget())) {
        throw ZException("A child window needs a parent window.", 0);
    }
    QWidget* parentWidget = child ? parent->clientWidget() : (parent ? parent->widget() : nullptr);
    auto* frame = new ZWindowFrame(parentWidget, child ? Qt::Widget : topLevelFlags(style.style),
                                   style.exStyle & Z_WS_EX_CLIENTEDGE);
    frame->setObjectName(QString::fromUtf8(style.className.c_str()));
    frame->setWindowTitle(QString::fromUtf8(ztr(title.c_str()).c_str()));
    attachWidgets(frame, frame->client(), !child && !(style.style & Z_WS_THICKFRAME));
    setWindowPos(x, y, width, height);
    frame->setHandler(handler);
    if (handler) {
        handler->onWindowCreate();
    }
    if (style.style & Z_WS_VISIBLE) {
        showWindow();
    }
}

void ZWindow::setTitle(const ZString& title) {
    if (ZWindowFrame* f = frame()) {
        f->setWindowTitle(QString::fromUtf8(ztr(title.c_str()).c_str()));
    }
}

void ZWindow::setMenu(ZMenu& menu) {
    ZWindowFrame* f = frame();
    QMenuBar* bar = menu.menuBar();
    if (!f || !bar) {
        return;
    }
    f->setMenuBar(bar);
    QObject::connect(bar, &QMenuBar::triggered, f, [this](QAction* action) {
        QVariant id = action->data();
        if (id.isValid()) {
            sendCommand(id.toInt(), false);
        }
    });
}

void ZWindow::setIcon(int iconId) {
    if (widget()) {
        widget()->setWindowIcon(ZSystem::getInstance().loadIcon(iconId));
    }
}

void ZWindow::adjustWindowRect(ZRect& rect, bool withMenu) const {
    if (withMenu && frame()) {
        rect.top -= frame()->menuBarHeight(rect.width());
    }
}

void ZWindow::sendCommand(int command, bool fromAccelerator) {
    ZWindowFrame* f = frame();
    if (f && f->handler()) {
        std::uintptr_t first =
            (fromAccelerator ? std::uintptr_t{1} << 16 : 0) | static_cast<std::uint16_t>(command);
        f->handler()->onWindowMessage(*this, Z_WM_COMMAND, first, 0);
    }
}

void ZWindow::onDestroy() {
    if (ZWindowFrame* f = frame()) {
        EventHandler* handler = f->handler();
        f->setHandler(nullptr);
        if (handler) {
            handler->onWindowDestroy();
        }
    }
}

ZWindowFrame* ZWindow::frame() const {
    return static_cast<ZWindowFrame*>(widget());
}
