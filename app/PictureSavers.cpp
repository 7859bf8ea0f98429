// The main window's picture savers: the current map drawn afresh with its caption and without
// markers, then written as GIF or JPEG. Both run on the worker thread.
#include "app/MainWindow.h"
#include "image/OctreeReduction.h"
#include "image/Picture.h"
#include "map/MapRenderer.h"

namespace {

// JPEG quality of saved maps.
constexpr int JPEG_QUALITY = 85;

}  // namespace

ZBitmap MainWindow::renderSavedPicture() {
    // Rendering writes the map centre (and on the globe its centre) into the view it is given;
    // a copy keeps the window's own view as it is.
    ViewState rendered = view;
    MapOverlayPainter frameAndCaption(database, rendered, captionFont, labelFont);
    ZBitmap picture;
    MapRenderer(
        MapScene{database, rendered, background, nullptr, &frameAndCaption, waitDialog.get()})
        .renderToBitmap(picture, true, false);
    return picture;
}

void MainWindow::saveAsGif(const char* name) {
    ZBitmap bitmap = renderSavedPicture();
    Picture picture(bitmap.image());
    // A failed reduction or write leaves any earlier file as it was; no message is shown.
    if (reduceToOctreePalette(picture)) {
        picture.save(name, PICTURE_FORMAT_GIF);
    }
}

void MainWindow::saveAsJpeg(const char* name) {
    renderSavedPicture().save(name, JPEG_QUALITY);
}
