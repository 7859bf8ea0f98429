#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class ZRunable;

// A thread that runs one runable at a time. The thread is started with the first run and kept
// for the next ones: a month step then costs no thread start, and the thread's own caches (the
// shaped texts of the overlays among them) stay warm.
class ZThread {
  public:
    ZThread() = default;
    ZThread(const ZThread&) = delete;
    ZThread& operator=(const ZThread&) = delete;
    ~ZThread();

    // Runs the runable on the kept thread and returns at once. A previous run that is still
    // ending is waited for first, so a new start is never refused.
    void start(ZRunable& runable);
    bool isActive() const { return active_.load(); }
    // Waits until the current run has ended.
    void wait();

  private:
    void loop();

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    ZRunable* next_ = nullptr;
    bool running_ = false;
    bool stopping_ = false;
    std::atomic<bool> active_{false};
};
