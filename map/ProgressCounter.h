#pragma once

#include <cstdint>

#include "map/ProgressSink.h"

// Counts the steps of a long pass and tells the sink the percentage whenever it changes: 0 is
// never sent, and the last step sends 100.
class ProgressCounter {
  public:
    ProgressCounter(ProgressSink* sink, std::int64_t total) : sink_(sink), total_(total) {}

    void step() { advance(1); }

    // As many single steps at once: every percentage passed is still sent, in order.
    void advance(std::int64_t steps) {
        count_ += steps;
        int percent = static_cast<int>(count_ * 100 / total_);
        while (sink_ != nullptr && lastPercent_ < percent) {
            sink_->setProgress(++lastPercent_);
        }
    }

  private:
    ProgressSink* sink_;
    std::int64_t total_;
    std::int64_t count_ = 0;
    int lastPercent_ = 0;
};
