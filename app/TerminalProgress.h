#pragma once

#include <iosfwd>

#include "toolkit/ZProgress.h"

// How far a picture has come, on a terminal: "sorvo: 45 %" overwritten in place and wiped at
// the end. On anything else (a pipe, a log file) it writes nothing, so scripts see only
// messages.
class TerminalProgress : public ZProgress {
  public:
    TerminalProgress(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void show(int percent);

  protected:
    void reached(int percent) override { show(percent); }

  private:
    std::ostream& out_;
    bool terminal_;
    int shown_ = -1;
};
