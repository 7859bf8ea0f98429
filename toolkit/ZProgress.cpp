#include "toolkit/ZProgress.h"

void ZProgress::begin(std::uint64_t total) {
    total_ = total;
    done_ = 0;
    percent_ = 0;
    started();
}

void ZProgress::advance(std::uint64_t steps) {
    done_ += steps;
    if (total_ == 0) {
        return;
    }
    const int percent = static_cast<int>(done_ * 100 / total_);
    while (percent_ < percent) {
        reached(++percent_);
    }
}
