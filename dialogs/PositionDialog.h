#pragma once

#include "forms/ConfirmDialog.h"
#include "forms/DialogForm.h"
#include "grid/GeoPosition.h"
#include "toolkit/ZString.h"

// "Position": a name and a place in degrees and minutes with their hemispheres. The caller
// fills name and coordinates, shows the dialog and reads them back when show returns 1. The
// reserved numbers of the place pass through untouched.
class PositionDialog : public ConfirmDialog {
  public:
    explicit PositionDialog(ZWindowContext* parent);

    DialogForm form;
    GeoPosition coordinates;
    ZString name;

  protected:
    void onDialogInit() override;

  private:
    void confirm() override;
    // The name box shows the name as the positions file can keep it.
    void cleanNameBox();
};
