#include "toolkit/ui/ZUiQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

#include "toolkit/ZException.h"

ZUiQueue::ZUiQueue() : uiThread_(std::this_thread::get_id()) {
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ < 0) {
        throw ZException("Cannot create the user-interface wake-up counter.", 0);
    }
    notifier_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { drain(); });
}

ZUiQueue::~ZUiQueue() {
    notifier_.reset();
    close(wakeFd_);
}

void ZUiQueue::post(const void* owner, std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        items_.push_back(Item{owner, std::move(work)});
    }
    std::uint64_t one = 1;
    // The counter only saturates when nobody drains it, and then one wake-up is pending anyway.
    [[maybe_unused]] ssize_t written = write(wakeFd_, &one, sizeof one);
}

void ZUiQueue::cancel(const void* owner) {
    std::lock_guard lock(mutex_);
    std::erase_if(items_, [owner](const Item& item) { return item.owner == owner; });
}

void ZUiQueue::drain() {
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t got = read(wakeFd_, &count, sizeof count);
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            if (items_.empty()) {
                return;
            }
            work = std::move(items_.front().work);
            items_.pop_front();
        }
        work();
    }
}
