#pragma once

#include <cstdint>

#include "animation/AnimationRequest.h"
#include "forms/DialogForm.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZControlProgressBar.h"
#include "toolkit/ui/ZControlStatic.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZDialogWorker.h"

// "Als Animation speichern": the span, speed and looping of an animation into a file already
// chosen, written by a worker of the dialog's own while the dialog shows its progress. The
// dialog lives for one run: "Abbrechen", Escape and the close box stop a running animation and
// close the dialog once the worker's end has reached the user-interface thread, as does the
// end of the run itself, after its message.
class AnimationDialog : public ZDialog {
  public:
    explicit AnimationDialog(ZWindowContext* parent);

    // From "Start ..." until the worker's end has reached the user-interface thread.
    bool isWriting() const { return worker_.isRunning(); }

    DialogForm form;
    // The span shown and taken back by the form; the rest of the request is the window's.
    AnimationSpan span;
    AnimationRequest request;
    ZString fileName;
    ZControlProgressBar progressBar;
    ZControlStatic fileText;

  protected:
    void onDialogInit() override;
    void onDialogCommand(int controlId) override;
    void onDialogClose() override;

  private:
    void start();
    void cancel();
    // On the worker: the file, then its message.
    void writeAnimation(ZProgress& progress);

    // Last: it ends before the members the running animation uses.
    ZDialogWorker worker_{progressBar};
};
