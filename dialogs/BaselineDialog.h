#pragma once

#include <functional>

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
