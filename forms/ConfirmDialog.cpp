#include "forms/ConfirmDialog.h"

#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogTemplate.h"

void ConfirmDialog::onDialogCommand(int controlId) {
    try {
        if (controlId == Z_IDOK) {
            confirm();
        } else if (controlId == Z_IDCANCEL) {
            close(0);
        }
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
}
