#pragma once

#include "toolkit/ui/ZControl.h"
#include "toolkit/ui/ZRect.h"

// A tab control. Windows made inside it become its pages through addPage; a page fills the
// display area, the part of the control below the tabs and inside its border.
class ZControlTab : public ZControl {
  public:
    void create(ZWindowContext* parent, const ZString& name);
    // Tab texts are given in German and shown in the interface's language.
    void addPage(int index, const ZString& text, ZWindowContext& page);
    void setPageText(int index, const ZString& text);
    // The control's rectangle, at the parent's origin, whose display area is this large.
    ZRect calcWindowRect(int displayWidth, int displayHeight) const;
    void setFocusPage(int index);
};
