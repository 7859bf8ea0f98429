// The main window's animation: the file first, then the dialog that writes it.
#include "app/MainWindow.h"
#include "app/SaveFormat.h"
#include "dialogs/AnimationDialog.h"

void MainWindow::showAnimationDialog() {
    AnimationSpan span =
        AnimationSpan::around(database.selection().year(), database.selection().yearAverage());
    ZString name = span.fileName(database.fileName());
    if (!askSaveName(ANIMATION_FORMAT, name)) {
        return;
    }
    AnimationDialog dialog(this);
    dialog.span = span;
    dialog.fileName = name;
    // The dialog's worker draws from copies, as a saved picture is drawn.
    dialog.request = AnimationRequest::of(snapshot(), span);
    dialog.show(true);
}
