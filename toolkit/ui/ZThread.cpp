#include "toolkit/ui/ZThread.h"

#include "toolkit/ui/ZRunable.h"

ZThread::~ZThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ZThread::start(ZRunable& runable) {
    wait();
    std::lock_guard lock(mutex_);
    active_.store(true);
    running_ = true;
    next_ = &runable;
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { loop(); });
    }
    changed_.notify_all();
}

void ZThread::wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !running_; });
}

void ZThread::loop() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return next_ != nullptr || stopping_; });
        if (!next_) {
            return;
        }
        ZRunable* runable = next_;
        next_ = nullptr;
        lock.unlock();
        runable->run();
        active_.store(false);
        lock.lock();
        running_ = false;
        changed_.notify_all();
    }
}
