#include "app/MapWorker.h"

#include "app/MapJob.h"
#include "toolkit/ZException.h"
#include "toolkit/ui/ZRunable.h"
#include "toolkit/ui/ZUiThread.h"

namespace {

// One job on the worker: the dialog is closed at its end, which ends the modal wait.
struct JobRun : ZRunable {
    JobRun(MapJob& job, WaitDialog& dialog, const std::function<void()>& delivered)
        : job(job), dialog(dialog), delivered(delivered) {}

    void run() override {
        try {
            job.run(dialog);
            if (delivered) {
                ZUiThread::run(&dialog, delivered);
            }
        } catch (const ZException& exception) {
            failure = exception.getMessage();
        }
        dialog.removeControls();
        dialog.close(0);
    }

    MapJob& job;
    WaitDialog& dialog;
    const std::function<void()>& delivered;
    ZString failure;
};

}  // namespace

ZString MapWorker::run(MapJob& job, const std::function<void()>& delivered) {
    JobRun running(job, waitDialog, delivered);
    waitDialog.setText(job.waitText());
    thread_.start(running);
    waitDialog.show(true);
    // The dialog may close before the worker has left the run.
    thread_.wait();
    return running.failure;
}
