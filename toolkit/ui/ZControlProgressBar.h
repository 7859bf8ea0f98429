#pragma once

#include "toolkit/ui/ZControl.h"

// A progress bar of a dialog. setRange and setPos may be called from any thread.
class ZControlProgressBar : public ZControl {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);
    void setRange(int minimum, int maximum);
    void setPos(int position);
};
