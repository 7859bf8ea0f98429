#pragma once

#include "toolkit/ZProgress.h"

// Progress nobody shows: for work that is short or runs where no one watches.
class ZQuietProgress : public ZProgress {
  protected:
    void reached(int) override {}
};
