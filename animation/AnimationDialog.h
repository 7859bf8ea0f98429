#pragma once

#include <atomic>
#include <cstdint>

#include "animation/AnimationRequest.h"
#include "dialogs/DialogForm.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZControlProgressBar.h"
#include "toolkit/ui/ZControlStatic.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZRunable.h"
#include "toolkit/ui/ZThread.h"

// "Als Animation speichern": the span, speed and looping of an animation into a file already
// chosen, written by a worker of the dialog's own while the dialog shows its progress. The
// dialog lives for one run: "Abbrechen", Escape and the close box stop a running animation and
// close the dialog once the worker's end has reached the user-interface thread, as does the
// end of the run itself, after its message.
class AnimationDialog : public ZDialog, public ZRunable {
  public:
    explicit AnimationDialog(ZWindowContext* parent);
    ~AnimationDialog() override;

    void run() override;
    // From "Start ..." until the worker's end has reached the user-interface thread.
    bool isWriting() const { return writing_; }

    DialogForm form;
    // The span shown and taken back by the form; the rest of the request is the window's.
    AnimationSpan span;
    AnimationRequest request;
    ZString fileName;
    std::atomic<bool> cancelRequested{false};
    ZControlProgressBar progressBar;
    ZControlStatic fileText;

  protected:
    void onDialogInit() override;
    void onDialogCommand(int controlId) override;
    void onDialogClose() override;

  private:
    void start();
    void cancel();

    ZThread thread_;
    // On the user-interface thread only, so a close request never falls between the worker's
    // last look and its end.
    bool writing_ = false;
};
