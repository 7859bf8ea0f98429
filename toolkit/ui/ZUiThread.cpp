#include "toolkit/ui/ZUiThread.h"

#include <future>

#include "toolkit/ui/ZToolkitState.h"

namespace {

ZUiQueue* queue() {
    ZToolkitState* toolkit = zToolkit();
    return toolkit ? toolkit->queue.get() : nullptr;
}

}  // namespace

bool ZUiThread::isCurrent() {
    ZUiQueue* q = queue();
    return !q || q->onUiThread();
}

void ZUiThread::run(const void* owner, std::function<void()> work) {
    ZUiQueue* q = queue();
    if (!q || q->onUiThread()) {
        work();
    } else {
        q->post(owner, std::move(work));
    }
}

void ZUiThread::runAndWait(const std::function<void()>& work) {
    ZUiQueue* q = queue();
    if (!q || q->onUiThread()) {
        work();
        return;
    }
    std::promise<void> done;
    q->post(nullptr, [&work, &done] {
        work();
        done.set_value();
    });
    done.get_future().wait();
}

void ZUiThread::cancel(const void* owner) {
    if (ZUiQueue* q = queue()) {
        q->cancel(owner);
    }
}
