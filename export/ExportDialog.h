#pragma once

#include <atomic>
#include <cstdint>

#include "dialogs/DialogForm.h"
#include "export/ExportWorker.h"
#include "overlays/PositionList.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZControlProgressBar.h"
#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZRunable.h"
#include "toolkit/ui/ZThread.h"

// The table written into the working directory.
inline constexpr const char* EXPORT_TABLE_FILE = "Auswertung.csv";

// "Datenreihe exportieren": a span of years and months of the shown dataset, written as a table
// by a worker of the dialog's own while the dialog stays open to show progress and to stop it.
// The close box and Escape stop a running export like "Abbrechen" and close the dialog when the
// worker has ended, so the dialog outlives its worker.
class ExportDialog : public ZDialog, public ZRunable {
  public:
    explicit ExportDialog(ZWindowContext* parent);
    ~ExportDialog() override;

    void run() override;
    // From "Start ..." until the worker's end has reached the user-interface thread.
    bool isExporting() const { return exporting_; }

    DialogForm form;
    std::uint32_t fromYear = 1850;
    std::uint32_t fromMonth = 1;
    std::uint32_t toYear = 2007;
    std::uint32_t toMonth = 11;
    bool monthlyAverage = false;
    GridSourceDescription dataset;
    std::atomic<bool> cancelRequested{false};
    ZControlProgressBar progressBar;
    // The main window's positions, read on this thread when an export starts.
    PositionList* positions = nullptr;
    bool hasPositions = false;

  protected:
    void onDialogInit() override;
    void onDialogCommand(int controlId) override;
    void onDialogClose() override;

  private:
    void start();
    // "Abbrechen": stops a running export, else closes.
    void cancel(bool closeWhenStopped);

    ZThread thread_;
    // What the running export was asked for, copied when it started.
    ExportRequest request_;
    // Both on the user-interface thread only: the end of a run is handed over to it, so that a
    // close request never falls between the worker's last look and its end.
    bool exporting_ = false;
    bool closeWhenStopped_ = false;
};
