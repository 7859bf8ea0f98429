#pragma once

#include <cstdint>

#include "dialogs/DialogForm.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZDialog.h"

// "Datensatz laden": dataset file, year, month and year average. The caller fills the four
// values, shows the dialog and reads them back when show returns 1; the dialog reads no file.
class DatasetDialog : public ZDialog {
  public:
    explicit DatasetDialog(ZWindowContext* parent);

    DialogForm form;
    std::uint32_t year = 1850;
    std::uint32_t month = 1;
    ZString dbFile;
    bool yearAverage = false;

  protected:
    void onDialogCommand(int controlId) override;
    void onDialogInit() override;

  private:
    void confirm();
};
