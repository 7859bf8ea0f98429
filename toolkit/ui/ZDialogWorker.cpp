#include "toolkit/ui/ZDialogWorker.h"

#include <utility>

#include "toolkit/ui/ZUiThread.h"

ZDialogWorker::~ZDialogWorker() {
    progress_.requestStop();
    thread_.wait();
    ZUiThread::cancel(this);
}

void ZDialogWorker::start(std::function<void(ZProgress&)> work, std::function<void()> ended) {
    if (running_) {
        return;
    }
    work_ = std::move(work);
    ended_ = std::move(ended);
    progress_.clearStop();
    running_ = true;
    thread_.start(*this);
}

bool ZDialogWorker::requestStop() {
    if (!running_) {
        return false;
    }
    progress_.requestStop();
    return true;
}

void ZDialogWorker::run() {
    bar_.setPos(0);
    work_(progress_);
    ZUiThread::run(this, [this] {
        running_ = false;
        ended_();
    });
}
