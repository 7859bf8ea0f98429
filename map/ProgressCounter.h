#pragma once

#include <cstdint>

#include "map/ProgressSink.h"

// Counts the steps of a long pass and tells the sink the percentage whenever it changes: 0 is
// never sent, and the last step sends 100.
class ProgressCounter {
  public:
    ProgressCounter(ProgressSink* sink, std::int64_t total) : sink_(sink), total_(total) {}

    void step() {
        ++count_;
        int percent = static_cast<int>(count_ * 100 / total_);
        if (sink_ != nullptr && percent != lastPercent_) {
            sink_->setProgress(percent);
            lastPercent_ = percent;
        }
    }

  private:
    ProgressSink* sink_;
    std::int64_t total_;
    std::int64_t count_ = 0;
    int lastPercent_ = 0;
};
