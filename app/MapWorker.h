#pragma once

#include <functional>

#include "dialogs/WaitDialog.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZThread.h"

class MapJob;

// Runs the window's jobs one at a time on a thread kept from one job to the next, behind the
// modal wait dialog.
class MapWorker {
  public:
    explicit MapWorker(ZWindowContext* window) : waitDialog(window) {}
    MapWorker(const MapWorker&) = delete;
    MapWorker& operator=(const MapWorker&) = delete;
    ~MapWorker() { thread_.wait(); }

    // Returns when the job has ended: empty, or the text of its failure. A job that succeeded
    // is first handed to delivered on the user-interface thread, before the wait dialog closes,
    // so that its picture may be painted meanwhile.
    ZString run(MapJob& job, const std::function<void()>& delivered = {});

    WaitDialog waitDialog;

  private:
    ZThread thread_;
};
