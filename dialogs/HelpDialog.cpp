#include "dialogs/HelpDialog.h"

#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogTemplate.h"

HelpDialog::HelpDialog(ZWindowContext* parent) : ZDialog(parent, IDD_HELP) {}

void HelpDialog::onDialogInit() {
    text.create(*this, "RTFControl", IDC_HELP_TEXT);
    text.hideSelection(true);
    text.setURLDetection(true);
    // A missing or damaged file is named in the control itself, below what could be read.
    text.loadFile(ZLanguage::isEnglish() ? ENGLISH_HELP_FILE : HELP_FILE, true);
}

void HelpDialog::onDialogCommand(int controlId) {
    try {
        if (controlId == Z_IDCANCEL || controlId == IDC_HELP_CLOSE) {
            close(0);
        }
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
}

void HelpDialog::onDialogClose() {
    close(0);
}
