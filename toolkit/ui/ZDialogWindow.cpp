#include "toolkit/ui/ZDialogWindow.h"

#include <QCloseEvent>

#include "toolkit/ui/ZDialog.h"
#include "toolkit/ui/ZDialogTemplate.h"

ZDialogWindow::ZDialogWindow(ZDialog& dialog, QWidget* parent, Qt::WindowFlags flags, bool closeBox)
    : QDialog(parent, flags), dialog_(dialog), closeBox_(closeBox) {}

void ZDialogWindow::reject() {
    dialog_.onDialogCommand(Z_IDCANCEL);
}

void ZDialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeBox_) {
        dialog_.onDialogClose();
    }
}
