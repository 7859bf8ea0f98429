#include "app/TerminalProgress.h"

#include <algorithm>
#include <ostream>

TerminalProgress::~TerminalProgress() {
    if (shown_ >= 0) {
        out_ << "\r              \r" << std::flush;
    }
}

void TerminalProgress::show(int percent) {
    // The globe counts one step past the end.
    percent = std::clamp(percent, 0, 100);
    if (!terminal_ || percent == shown_) {
        return;
    }
    shown_ = percent;
    out_ << "\rsorvo: " << percent << " %" << std::flush;
}
