#pragma once

#include "toolkit/ui/ZControl.h"

// A text control of a dialog. setText may be called from any thread.
class ZControlStatic : public ZControl {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);
    void setText(const ZString& text);
};
