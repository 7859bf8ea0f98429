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
    AnimationRequest& request = dialog.request;
    request.dataset = database.description();
    request.view = view;
    request.background = background;
    request.captionFont = captionFont;
    request.labelFont = labelFont;
    request.positions = positions.inOrder();
    dialog.show(true);
}
