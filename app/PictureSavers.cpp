// The metafile: drawn by the picture writer on the user-interface thread.
#include "app/MainWindow.h"
#include "app/MapPictureWriter.h"

void MainWindow::saveAsEmf(const ZString& name) {
    // No wait dialog: the metafile is drawn on this thread.
    MapSnapshot taken = snapshot();
    MapPictureWriter(taken, renderer).writeEmf(name, nullptr);
}
