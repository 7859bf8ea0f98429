#pragma once

#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZControl.h"

// A one-line edit box of a dialog. Its colours start as the desktop's and change only through
// setColor.
class ZControlEdit : public ZControl {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);

    void getText(ZString& text) const;
    void setText(const char* text);
    // Text and background colour; the caller repaints the control.
    void setColor(ZColour text, ZColour back);
    ZColour getBackColor() const;
    bool isTextControl() const override { return true; }
};
