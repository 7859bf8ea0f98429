#pragma once

#include <atomic>
#include <cstdint>

// How far long work has come, and the request to stop it. The worker begins each pass with its
// number of steps and counts them; the one who shows the progress hears every whole percentage
// passed, in order (never 0; past the last step it may go beyond 100), and may ask the worker
// to stop, which the worker checks between its steps. Counting happens on the worker's thread;
// only the stop request crosses threads.
class ZProgress {
  public:
    virtual ~ZProgress() = default;

    // A new pass of total steps, none done yet.
    void begin(std::uint64_t total);
    void step() { advance(1); }
    // As many single steps at once: every percentage passed is still reported.
    void advance(std::uint64_t steps);

    std::uint64_t total() const { return total_; }
    std::uint64_t done() const { return done_; }

    void requestStop() { stop_.store(true); }
    // Before new work starts: an old request must not stop it.
    void clearStop() { stop_.store(false); }
    bool stopRequested() const { return stop_.load(); }

  protected:
    // At the start of a pass.
    virtual void started() {}
    virtual void reached(int percent) = 0;

  private:
    std::uint64_t total_ = 0;
    std::uint64_t done_ = 0;
    int percent_ = 0;
    std::atomic<bool> stop_{false};
};
