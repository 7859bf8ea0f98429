#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/ZProgress.h"

// Hears each step of a worker once, at the last percentage the step passed, and keeps the last
// percentage; onStep may request a stop or throw as a failing display would.
class StepProgress : public ZProgress {
  public:
    std::function<void(std::uint64_t)> onStep;
    int lastPercent = 0;

  protected:
    void reached(int percent) override {
        lastPercent = percent;
        if (onStep && static_cast<std::uint64_t>(percent) == done() * 100 / total()) {
            onStep(done());
        }
    }
};
