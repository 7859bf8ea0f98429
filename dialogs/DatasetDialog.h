#pragma once

#include <cstdint>

#include "forms/ConfirmDialog.h"
#include "forms/DialogForm.h"
#include "toolkit/ZString.h"

// "Datensatz laden": dataset file, year, month and year average. The caller fills the four
// values, shows the dialog and reads them back when show returns 1; the dialog reads no file.
class DatasetDialog : public ConfirmDialog {
  public:
    explicit DatasetDialog(ZWindowContext* parent);

    DialogForm form;
    std::uint32_t year = 1850;
    std::uint32_t month = 1;
    ZString dbFile;
    bool yearAverage = false;

  protected:
    void onDialogInit() override;

  private:
    void confirm() override;
};
