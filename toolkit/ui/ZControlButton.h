#pragma once

#include "toolkit/ui/ZControl.h"

// A push button or check box of a dialog.
class ZControlButton : public ZControl {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);

    void setChecked(bool checked);
    bool isChecked() const;
};
