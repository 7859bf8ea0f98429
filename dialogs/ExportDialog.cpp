#include "dialogs/ExportDialog.h"

#include "grid/SpanCheck.h"
#include "grid/SpanPastData.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogTemplate.h"

ExportDialog::ExportDialog(ZWindowContext* parent) : ZDialog(parent, IDD_EXPORT) {
    form.reset(this);
}

void ExportDialog::onDialogInit() {
    form.addUnsignedField(IDC_EXPORT_FROM_YEAR, fromYear);
    form.addUnsignedField(IDC_EXPORT_FROM_MONTH, fromMonth);
    form.addUnsignedField(IDC_EXPORT_TO_YEAR, toYear);
    form.addUnsignedField(IDC_EXPORT_TO_MONTH, toMonth);
    form.addCheckField(IDC_EXPORT_MONTHLY_AVERAGE, monthlyAverage);
    progressBar.create(*this, "", IDC_EXPORT_PROGRESS);
    progressBar.setRange(0, 100);
    form.showValues();
}

void ExportDialog::onDialogCommand(int controlId) {
    try {
        if (controlId == IDC_EXPORT_START) {
            start();
        } else if (controlId == IDC_EXPORT_CANCEL) {
            cancel(false);
        } else if (controlId == Z_IDCANCEL) {
            // Escape, like the close box.
            cancel(true);
        }
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
}

void ExportDialog::onDialogClose() {
    cancel(true);
}

void ExportDialog::cancel(bool closeWhenStopped) {
    if (worker_.requestStop()) {
        closeWhenStopped_ = closeWhenStopped_ || closeWhenStopped;
        return;
    }
    close(0);
}

void ExportDialog::start() {
    if (!form.validate()) {
        return;
    }
    form.takeValues();
    // One message per press. The same months of every year: only the years have an order, and
    // an end year before the data is told as an end before the start.
    if (ZString problem = spanProblem({fromYear}, {fromMonth, toMonth}, fromYear, toYear,
                                      ZTEXT("Start-Jahr muss vor dem Stop-Jahr liegen."));
        !problem.isEmpty()) {
        ZSystem::showMessage(this, problem, "Information", false);
        return;
    }
    if (worker_.isRunning()) {
        return;
    }
    const ExportSpan span{fromYear, fromMonth, toYear, toMonth};
    if (std::optional<std::uint64_t> dataEnd = dataEndFarBefore(request.dataset, span.lastIndex());
        dataEnd &&
        !ZSystem::showMessage(
            this,
            ZFormattedString(ztr("Der Zeitraum reicht mehr als zehn Jahre über den letzten "
                                 "Monat mit Daten (%.2u-%llu) hinaus. Danach folgen nur "
                                 "Monate ohne Daten, und der Export kann sehr lange "
                                 "dauern.\r\n\r\nTrotzdem exportieren?")
                                 .c_str(),
                             monthOfIndex(*dataEnd),
                             static_cast<unsigned long long>(yearOfIndex(*dataEnd))),
            "Information", true)) {
        return;
    }
    running_ = request;
    running_.span = span;
    running_.monthlyAverage = monthlyAverage;
    closeWhenStopped_ = false;
    worker_.start([this](ZProgress& progress) { exportTable(progress); },
                  [this] {
                      if (closeWhenStopped_) {
                          close(0);
                      }
                  });
}

void ExportDialog::exportTable(ZProgress& progress) {
    try {
        ExportOutcome outcome = ExportWorker(running_, progress).run(EXPORT_TABLE_FILE);
        if (outcome.stopped) {
            ZSystem::showMessage(
                this,
                ZFormattedString(
                    ztr("Export wurde abgebrochen.\r\n\r\nExport wurde bis %.2u-%llu durchgeführt.")
                        .c_str(),
                    outcome.lastMonth, static_cast<unsigned long long>(outcome.lastYear)),
                "Information", false);
        } else {
            ZSystem::showMessage(this, ztr("Export wurde erfolgreich durchgeführt."), "Information",
                                 false);
        }
        if (!ZSystem::openDocument(EXPORT_TABLE_FILE)) {
            ZString folder = ZSystem::getCurrentDirectory();
            if (!folder.isEmpty() && folder.str().back() != '/') {
                folder += "/";
            }
            ZSystem::showMessage(
                this,
                ZFormattedString(ztr("Kein Programm konnte die Tabelle öffnen. Sie "
                                     "wurde gespeichert unter:\r\n%s%s")
                                     .c_str(),
                                 folder.c_str(), EXPORT_TABLE_FILE),
                "Information", false);
        }
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
}
