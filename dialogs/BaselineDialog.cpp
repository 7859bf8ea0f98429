#include "dialogs/BaselineDialog.h"

#include "grid/GridDatabase.h"
#include "grid/GridSource.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ui/ZDialogTemplate.h"

BaselineDialog::BaselineDialog(ZWindowContext* parent, std::function<void(ZProgress&)> work)
    : ZDialog(parent, IDD_BASELINE), work_(std::move(work)) {}

void BaselineDialog::onDialogInit() {
    progressBar_.create(*this, "", IDC_BASELINE_PROGRESS);
    progressBar_.setRange(0, 100);
    worker_.start(
        [this](ZProgress& progress) {
            work_(progress);
            // Read on the user-interface thread once the work has ended.
            stopped_ = progress.stopRequested();
        },
        [this] { close(stopped_ ? 0 : 1); });
}

void BaselineDialog::onDialogCommand(int controlId) {
    if (controlId == Z_IDCANCEL) {
        worker_.requestStop();
    }
}

void BaselineDialog::onDialogClose() {
    worker_.requestStop();
}

bool BaselineDialog::computeIfNeeded(ZWindowContext* parent,
                                     const GridSourceDescription& description) {
    if (!GridSource::needsBaseline(description)) {
        return true;
    }
    ZString failure;
    BaselineDialog dialog(parent, [&](ZProgress& progress) {
        try {
            GridDatabase trial;
            trial.open(description, progress);
        } catch (const ZException& exception) {
            if (!progress.stopRequested()) {
                failure = exception.getMessage();
            }
        }
    });
    const bool finished = dialog.show(true) == 1;
    if (!failure.isEmpty()) {
        throw ZException(failure, 0);
    }
    return finished;
}
