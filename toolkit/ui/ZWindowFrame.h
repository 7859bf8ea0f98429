#pragma once

#include <QFrame>
#include <QPointer>

#include "toolkit/ui/ZWindow.h"

class QMenuBar;

// The widgets of a ZWindow: this frame (edge and menu bar) around a client area that takes the
// events and the painting. Both pass their events to the window's handler until it is cut off.
class ZWindowFrame : public QFrame {
  public:
    ZWindowFrame(QWidget* parent, Qt::WindowFlags flags, bool clientEdge);

    QWidget* client() const { return client_; }
    // Null cuts the events off.
    void setHandler(ZWindow::EventHandler* handler) { handler_ = handler; }
    ZWindow::EventHandler* handler() const { return handler_; }
    void setMenuBar(QMenuBar* menuBar);
    // Height of the menu bar at this width, 0 without one.
    int menuBarHeight(int width) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void layoutContents();

    QWidget* client_;
    QPointer<QMenuBar> menuBar_;
    ZWindow::EventHandler* handler_ = nullptr;
};
