#pragma once

#include <functional>

#include "toolkit/ui/ZBarProgress.h"
#include "toolkit/ui/ZRunable.h"
#include "toolkit/ui/ZThread.h"

// The worker of a dialog that stays open while its work runs: the work runs on a thread of the
// worker's own and reports on the dialog's bar, the dialog may ask it to stop, and its end is
// handed to the user-interface thread, so that a close request never falls between the work's
// last look at its stop and its end.
class ZDialogWorker : private ZRunable {
  public:
    explicit ZDialogWorker(ZControlProgressBar& bar) : bar_(bar), progress_(bar) {}
    ZDialogWorker(const ZDialogWorker&) = delete;
    ZDialogWorker& operator=(const ZDialogWorker&) = delete;
    // The work reports through the dialog: it is stopped and waited for.
    ~ZDialogWorker() override;

    // Runs the work with the bar at 0 and no stop requested; ended follows on the
    // user-interface thread. Nothing happens while work runs.
    void start(std::function<void(ZProgress&)> work, std::function<void()> ended);
    // From start until the end has reached the user-interface thread.
    bool isRunning() const { return running_; }
    // False when no work runs.
    bool requestStop();

  private:
    void run() override;

    ZControlProgressBar& bar_;
    ZBarProgress progress_;
    ZThread thread_;
    std::function<void(ZProgress&)> work_;
    std::function<void()> ended_;
    // On the user-interface thread only.
    bool running_ = false;
};
