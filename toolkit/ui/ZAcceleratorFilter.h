#pragma once

#include <QObject>
#include <span>

#include "toolkit/ui/ZAccelerator.h"

class ZWindowContext;

// Turns the keys of an accelerator table, pressed anywhere in one window, into that window's
// commands before any control sees them. Keys meant for the menu bar while it is being worked
// with the keyboard, and keys of other windows, pass unchanged.
class ZAcceleratorFilter : public QObject {
  public:
    ZAcceleratorFilter(ZWindowContext& window, std::span<const ZAccelerator> table);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ZWindowContext& window_;
    std::span<const ZAccelerator> table_;
};
