#include "toolkit/ui/ZThread.h"

#include "toolkit/ui/ZRunable.h"

ZThread::~ZThread() {
    wait();
}

void ZThread::start(ZRunable& runable) {
    wait();
    active_.store(true);
    thread_ = std::thread([this, &runable] {
        runable.run();
        active_.store(false);
    });
}

void ZThread::wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}
