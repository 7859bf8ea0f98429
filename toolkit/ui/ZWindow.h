#pragma once

#include <cstdint>

#include "toolkit/ZString.h"
#include "toolkit/ui/ZRect.h"
#include "toolkit/ui/ZWindowContext.h"
#include "toolkit/ui/ZWindowStyle.h"

class ZMenu;
class ZSurface;
class ZWindowFrame;

// The message that carries a command; its first parameter holds the command id in the low 16
// bits and 1 in the high 16 bits when the command came from an accelerator.
inline constexpr unsigned Z_WM_COMMAND = 273;

// Mouse key flags passed with mouse events.
enum ZMouseFlags : unsigned {
    Z_MK_LBUTTON = 0x01,
    Z_MK_RBUTTON = 0x02,
    Z_MK_SHIFT = 0x04,
    Z_MK_CONTROL = 0x08,
    Z_MK_MBUTTON = 0x10,
};

// A window whose events go to an event handler: a top-level window with menu bar, or a child
// window inside another window or control.
class ZWindow : public ZWindowContext {
  public:
    // The slots of a window's events, in client coordinates. Defaults do nothing, except that
    // without an erased background the window's own colour is filled in.
    class EventHandler {
      public:
        virtual ~EventHandler() = default;
        virtual void onWindowCreate() {}
        virtual void onWindowMouseEnter() {}
        virtual void onWindowMouseLeave() {}
        virtual void onWindowMouseMove(int, int, unsigned) {}
        virtual void onWindowMouseLeftDown(int, int, unsigned) {}
        virtual void onWindowMouseLeftDoubleClick(int, int, unsigned) {}
        virtual void onWindowMouseLeftUp(int, int, unsigned) {}
        virtual void onWindowMouseRightDown(int, int, unsigned) {}
        virtual void onWindowMouseRightUp(int, int, unsigned) {}
        // The virtual key (ZAccelerator.h) of a key pressed while the window has the focus.
        virtual void onWindowKeyPressed(int) {}
        // Paints the update rectangle after the background.
        virtual void onWindowRestore(ZSurface&, const ZRect&) {}
        // Returns true when it has painted the background itself.
        virtual bool onWindowEraseBackground(ZSurface&) { return false; }
        // The close box; the window stays until the handler destroys it.
        virtual void onWindowClose() {}
        virtual void onWindowDestroy() {}
        virtual void onWindowResize(int, int) {}
        virtual std::intptr_t onWindowMessage(ZWindowContext&, unsigned, std::uintptr_t,
                                              std::intptr_t) {
            return 0;
        }
    };

    ~ZWindow() override;

    // Makes the window with its title, handler and style at the given place and size; the
    // handler's onWindowCreate runs before this returns. A child (Z_WS_CHILD) goes into the
    // parent's client area; Z_WS_VISIBLE shows it at once.
    void create(ZWindowContext* parent, const ZString& title, EventHandler* handler,
                const ZWindowStyle& style, int x, int y, int width, int height);
    // The title is given in German and shown in the interface's language.
    void setTitle(const ZString& title);
    void setMenu(ZMenu& menu);
    void setIcon(int iconId);
    // Widens a client rectangle to the window rectangle: room for the menu bar above when
    // asked. The frame around it belongs to the window manager.
    void adjustWindowRect(ZRect& rect, bool withMenu) const;

    void sendCommand(int command, bool fromAccelerator) override;

  protected:
    void onDestroy() override;

  private:
    ZWindowFrame* frame() const;
};
