#include "dialogs/WaitDialog.h"

#include "resources/ResourceIds.h"
#include "toolkit/ui/ZUiThread.h"

namespace {

// Work that ends sooner than this never shows the window.
constexpr int SHOW_DELAY_MS = 200;

}  // namespace

WaitDialog::WaitDialog(ZWindowContext* parent) : ZDialog(parent, IDD_WAIT) {
    setShowDelay(SHOW_DELAY_MS);
}

void WaitDialog::setText(const ZString& newText) {
    // The message is read by the init handler, so it changes on the user-interface thread only.
    ZUiThread::run(this, [this, newText] {
        message = newText;
        text.setText(message);
        text.showWindow();
    });
}

void WaitDialog::reached(int percent) {
    progressBar.setPos(percent);
}

void WaitDialog::removeControls() {
    progressBar.destroy();
    text.destroy();
}

void WaitDialog::onDialogInit() {
    progressBar.create(*this, "wait", IDC_WAIT_PROGRESS);
    progressBar.setRange(0, 100);
    text.create(*this, "waittext", IDC_WAIT_TEXT);
    text.setText(message);
}
