#pragma once

#include "toolkit/ui/ZWindow.h"
#include "toolkit/ui/ZWindowStyle.h"

class MapPanelListener;

// The page "Weltkarte": a child window that paints the map through its listener on a white
// background and passes the mouse on. It does no work of its own.
class MapPanel : public ZWindow, public ZWindow::EventHandler {
  public:
    void create(ZWindowContext& parent, MapPanelListener& listener);

    void onWindowMouseMove(int x, int y, unsigned flags) override;
    void onWindowMouseLeftDown(int x, int y, unsigned flags) override;
    void onWindowMouseLeftUp(int x, int y, unsigned flags) override;
    void onWindowMouseLeftDoubleClick(int x, int y, unsigned flags) override;
    void onWindowMouseRightDown(int x, int y, unsigned flags) override;
    void onWindowRestore(ZSurface& surface, const ZRect& update) override;
    bool onWindowEraseBackground(ZSurface& surface) override;

  private:
    MapPanelListener* listener = nullptr;
    ZWindowStyle style;
};
