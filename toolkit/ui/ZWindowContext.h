#pragma once

#include <QPointer>
#include <QWidget>

#include "toolkit/ui/ZRect.h"

// A window as the rest of the program sees it. showWindow, invalidateWindow and destroy may be
// called from any thread: elsewhere they are queued to the user-interface thread, in order. All
// other operations belong to the user-interface thread.
class ZWindowContext {
  public:
    ZWindowContext() = default;
    ZWindowContext(const ZWindowContext&) = delete;
    ZWindowContext& operator=(const ZWindowContext&) = delete;
    virtual ~ZWindowContext();

    bool isCreated() const { return !widget_.isNull(); }
    void showWindow();
    // Repaints the whole client area.
    void invalidateWindow();
    // Paints what is invalid now, on the user-interface thread, before returning.
    void updateWindow();
    // Removes the window from the screen and frees it once the current event is handled.
    void destroy();

    // A top-level window's (x, y) is the corner of its frame on the screen, a child's its place
    // in the parent's client area. A top-level window that may not be resized keeps exactly this
    // size, and no window grows beyond the screen.
    void setWindowPos(int x, int y, int width, int height);
    ZRect getWindowRect() const;
    // The client area in its own coordinates: (0, 0) to its size.
    ZRect getClientRect() const;

    // Delivers a command to the window's message handler; sent by menus and accelerators.
    virtual void sendCommand(int command, bool fromAccelerator);

    // The widget of the whole window, and the one that holds its children and its painting.
    QWidget* widget() const { return widget_; }
    QWidget* clientWidget() const { return client_; }

  protected:
    void attachWidgets(QWidget* widget, QWidget* client, bool fixedSize);
    // Called by destroy() before the widgets go.
    virtual void onDestroy() {}

  private:
    QPointer<QWidget> widget_;
    QPointer<QWidget> client_;
    // A destroyed window's widget until Qt has freed it.
    QPointer<QWidget> retired_;
    bool fixedSize_ = false;
};
