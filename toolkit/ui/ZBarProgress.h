#pragma once

#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZControlProgressBar.h"

// Progress shown on a dialog's bar of 0 to 100; the bar takes the percentages on the
// user-interface thread, whichever thread counts.
class ZBarProgress : public ZProgress {
  public:
    explicit ZBarProgress(ZControlProgressBar& bar) : bar_(bar) {}

  protected:
    void reached(int percent) override { bar_.setPos(percent); }

  private:
    ZControlProgressBar& bar_;
};
