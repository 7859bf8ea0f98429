#pragma once

#include "toolkit/ZProgress.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZControlProgressBar.h"
#include "toolkit/ui/ZControlStatic.h"
#include "toolkit/ui/ZDialog.h"

// "Bitte waren ...": what the worker is doing and how far it has come. Modal while the work
// runs, but on screen only when the work takes longer than a moment, so that a quick month step
// does not flash a window. setText, the progress and removeControls may come from the worker.
class WaitDialog : public ZDialog, public ZProgress {
  public:
    explicit WaitDialog(ZWindowContext* parent);

    void setText(const ZString& text);
    // Takes the text and the progress bar off the dialog at the end of a task.
    void removeControls();

    ZControlProgressBar progressBar;
    ZControlStatic text;
    ZString message;

  protected:
    void onDialogInit() override;
    void reached(int percent) override;
};
