#include "app/MapWorker.h"

#include "app/MapJob.h"
#include "toolkit/ZException.h"
#include "toolkit/ui/ZRunable.h"

namespace {

// One job on the worker: the dialog is closed at its end, which ends the modal wait.
struct JobRun : ZRunable {
    JobRun(MapJob& job, WaitDialog& dialog) : job(job), dialog(dialog) {}

    void run() override {
        try {
            job.run(dialog);
        } catch (const ZException& exception) {
            failure = exception.getMessage();
        }
        dialog.removeControls();
        dialog.close(0);
    }

    MapJob& job;
    WaitDialog& dialog;
    ZString failure;
};

}  // namespace

ZString MapWorker::run(MapJob& job) {
    JobRun running(job, waitDialog);
    waitDialog.setText(job.waitText());
    thread_.start(running);
    waitDialog.show(true);
    // The dialog may close before the worker has left the run.
    thread_.wait();
    return running.failure;
}
