#pragma once

#include <functional>

#include "grid/GridSourceDescription.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZControlProgressBar.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZDialogWorker.h"

// "Bezugswerte berechnen": runs the baseline of a file of temperatures on a worker of its own
// as soon as it shows, with its progress and "Abbrechen" (the close box and Escape alike), and
// closes itself when the work has ended. show(true) gives 1 when the work ran to its end, 0 when
// it was stopped.
class BaselineDialog : public ZDialog {
  public:
    // work runs on the worker and looks at its progress's stop request between its steps.
    BaselineDialog(ZWindowContext* parent, std::function<void(ZProgress&)> work);

    // Computes the baseline of a file of temperatures that has none kept yet behind the dialog,
    // so that opening the file afterwards finds it; true at once for any other file. False when
    // the user stopped it; a failure is raised as ZException after the dialog has closed.
    static bool computeIfNeeded(ZWindowContext* parent, const GridSourceDescription& description);

  protected:
    void onDialogInit() override;
    void onDialogCommand(int controlId) override;
    void onDialogClose() override;

  private:
    std::function<void(ZProgress&)> work_;
    bool stopped_ = false;
    ZControlProgressBar progressBar_;
    // Last: it ends before the members the running work uses.
    ZDialogWorker worker_{progressBar_};
};
