#pragma once

#include <QSocketNotifier>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The queue behind ZUiThread. Other threads append under a mutex and wake the user-interface
// thread through an event counter that its event loop watches; no Qt object is touched off the
// user-interface thread, so the hand-over is plain to a race detector too.
class ZUiQueue {
  public:
    // Made on the user-interface thread.
    ZUiQueue();
    ~ZUiQueue();
    ZUiQueue(const ZUiQueue&) = delete;
    ZUiQueue& operator=(const ZUiQueue&) = delete;

    bool onUiThread() const { return std::this_thread::get_id() == uiThread_; }
    void post(const void* owner, std::function<void()> work);
    void cancel(const void* owner);

  private:
    struct Item {
        const void* owner;
        std::function<void()> work;
    };

    // Runs the queued work one item at a time; an item may open a nested event loop, in which
    // later items keep running in order.
    void drain();

    std::thread::id uiThread_;
    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::mutex mutex_;
    std::deque<Item> items_;
};
