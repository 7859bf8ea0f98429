#pragma once

#include <functional>

// Work for the user-interface thread. Widgets belong to that thread alone; other threads hand
// their requests over through one queue, which keeps the order in which they were made.
class ZUiThread {
  public:
    // True on the thread that started the toolkit (and everywhere before it is started).
    static bool isCurrent();
    // Runs the work at once on the user-interface thread, otherwise queues it. The owner is the
    // object the work belongs to: its destructor drops what is still queued for it (cancel).
    static void run(const void* owner, std::function<void()> work);
    // Runs the work on the user-interface thread and returns when it is done.
    static void runAndWait(const std::function<void()>& work);
    static void cancel(const void* owner);
};
