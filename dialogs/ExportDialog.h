#pragma once

#include <cstdint>

#include "export/ExportWorker.h"
#include "forms/DialogForm.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZControlProgressBar.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZDialogWorker.h"

// The table written into the working directory.
inline constexpr const char* EXPORT_TABLE_FILE = "Auswertung.csv";

// "Datenreihe exportieren": a span of years and months of the shown dataset, written as a table
// by a worker of the dialog's own while the dialog stays open to show progress and to stop it.
// The close box and Escape stop a running export like "Abbrechen" and close the dialog when the
// worker has ended, so the dialog outlives its worker.
class ExportDialog : public ZDialog {
  public:
    explicit ExportDialog(ZWindowContext* parent);

    // From "Start ..." until the worker's end has reached the user-interface thread.
    bool isExporting() const { return worker_.isRunning(); }

    DialogForm form;
    std::uint32_t fromYear = 1850;
    std::uint32_t fromMonth = 1;
    std::uint32_t toYear = 2007;
    std::uint32_t toMonth = 11;
    bool monthlyAverage = false;
    // The dataset and the positions' places, from the window's snapshot; the span and the
    // averaging are the form's.
    ExportRequest request;
    ZControlProgressBar progressBar;

  protected:
    void onDialogInit() override;
    void onDialogCommand(int controlId) override;
    void onDialogClose() override;

  private:
    void start();
    // "Abbrechen": stops a running export, else closes.
    void cancel(bool closeWhenStopped);
    // On the worker: the table, then its messages.
    void exportTable(ZProgress& progress);

    // What the running export was asked for, copied when it started.
    ExportRequest running_;
    // On the user-interface thread only.
    bool closeWhenStopped_ = false;
    // Last: it ends before the members the running export uses.
    ZDialogWorker worker_{progressBar};
};
