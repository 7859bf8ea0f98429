#pragma once

#include "toolkit/ZString.h"
#include "toolkit/ui/ZWindowContext.h"

class ZDialog;

// A control: a window that either is made inside a parent window or takes over a control of a
// shown dialog by its id.
class ZControl : public ZWindowContext {
  protected:
    // The dialog's control with this id, which must be of the widget type W.
    template <typename W>
    W* attachTo(ZDialog& dialog, int id, const ZString& name);
    void attachNew(QWidget* widget, const ZString& name);
};
