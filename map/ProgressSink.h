#pragma once

// Receives the percentage of a long render (the wait dialog's progress bar). Called from the
// worker thread.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setProgress(int percent) = 0;
};
