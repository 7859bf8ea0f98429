#pragma once

#include <atomic>
#include <thread>

class ZRunable;

// A thread that runs one runable at a time.
class ZThread {
  public:
    ZThread() = default;
    ZThread(const ZThread&) = delete;
    ZThread& operator=(const ZThread&) = delete;
    ~ZThread();

    // Runs the runable on a new thread and returns at once. A previous run that is still ending
    // is waited for first, so a new start is never refused.
    void start(ZRunable& runable);
    bool isActive() const { return active_.load(); }
    // Waits until the current run has ended.
    void wait();

  private:
    std::thread thread_;
    std::atomic<bool> active_{false};
};
