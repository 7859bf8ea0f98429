#pragma once

#include "toolkit/ui/ZDialog.h"

// A dialog with OK and Cancel: OK runs the dialog's check, which closes it with 1 when the
// values are good; Cancel and Escape close it with 0. A ZException of the check is shown and the
// dialog stays open.
class ConfirmDialog : public ZDialog {
  public:
    using ZDialog::ZDialog;

  protected:
    void onDialogCommand(int controlId) override;
    virtual void confirm() = 0;
};
