#include "app/MapPanel.h"

#include "app/MapPanelListener.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZSurface.h"

void MapPanel::create(ZWindowContext& parent, MapPanelListener& panelListener) {
    listener = &panelListener;
    style = ZWindowStyle{ZSystem::getSystemInfo(), Z_WS_CHILD | Z_WS_VISIBLE, Z_WS_EX_CLIENTEDGE};
    ZWindow::create(&parent, "TabSorvoMap", this, style, 0, 0, 0, 0);
}

void MapPanel::onWindowMouseMove(int x, int y, unsigned flags) {
    if (listener) {
        // A release dropped while a map was drawn still ends a turn of the globe.
        if (!(flags & Z_MK_LBUTTON)) {
            listener->leftReleasedAt(x, y);
        }
        listener->mouseMovedTo(x, y);
    }
}

void MapPanel::onWindowMouseLeftDown(int x, int y, unsigned) {
    if (listener) {
        listener->leftPressedAt(x, y);
    }
}

void MapPanel::onWindowMouseLeftUp(int x, int y, unsigned) {
    if (listener) {
        listener->leftReleasedAt(x, y);
    }
}

void MapPanel::onWindowMouseLeftDoubleClick(int x, int y, unsigned) {
    if (listener) {
        listener->editPositionAt(x, y);
    }
}

void MapPanel::onWindowMouseRightDown(int x, int y, unsigned) {
    if (listener) {
        listener->removePositionAt(x, y);
    }
}

void MapPanel::onWindowRestore(ZSurface& surface, const ZRect& update) {
    if (listener) {
        listener->paintMap(surface, update);
    }
}

bool MapPanel::onWindowEraseBackground(ZSurface& surface) {
    surface.fillRect(getClientRect(), zRgb(255, 255, 255));
    return true;
}
