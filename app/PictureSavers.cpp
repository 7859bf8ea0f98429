// The main window's picture savers: the map as it stands, written by the picture writer; GIF
// and JPEG on the worker thread behind the wait dialog, the metafile on the user-interface
// thread.
#include "app/MainWindow.h"

MapPictureWriter MainWindow::pictureWriter() {
    return MapPictureWriter(database, view, background, viewCentre(), &positions, captionFont,
                            labelFont, renderer);
}

void MainWindow::saveAsGif(const char* name) {
    pictureWriter().writeGif(name, waitDialog.get());
}

void MainWindow::saveAsJpeg(const char* name) {
    pictureWriter().writeJpeg(name, waitDialog.get());
}

void MainWindow::saveAsEmf(const ZString& name) {
    // No wait dialog: the metafile is drawn on this thread.
    pictureWriter().writeEmf(name, nullptr);
}
