#pragma once

#include <cstdint>

#include "toolkit/ui/ZControl.h"

// A progress bar of a dialog, with a range, a position and a step. Every call may come from any
// thread; they take effect on the user-interface thread in the order they were made. Ranges
// wider than the widget can count (an export of billions of months) are shown to scale.
class ZControlProgressBar : public ZControl {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);
    void setRange(std::int64_t minimum, std::int64_t maximum);
    void setPos(std::int64_t position);
    void setStep(std::int64_t step);
    // Moves on by the step, at most to the end of the range.
    void nextStep();

  private:
    // The widget's value for the position; on the user-interface thread.
    void show();

    std::int64_t minimum_ = 0;
    std::int64_t maximum_ = 100;
    std::int64_t position_ = 0;
    std::int64_t step_ = 10;
};
