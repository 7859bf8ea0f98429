// The main window's picture savers: the current map drawn afresh with its caption and without
// markers, then written as GIF or JPEG on the worker thread, or as a metafile on the
// user-interface thread.
#include "app/MainWindow.h"
#include "image/OctreeReduction.h"
#include "image/Picture.h"
#include "map/MapRenderer.h"
#include "map/PictureGeometry.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZMetafileSurface.h"

namespace {

// JPEG quality of saved maps.
constexpr int JPEG_QUALITY = 85;

// Metafiles are drawn at ten times the scale, whatever the window shows, with 0.3 mm per unit
// (30 hundredths of a millimetre): a frame of 3180 mm x 1830 mm.
constexpr double METAFILE_SCALE = 10.0;
constexpr double METAFILE_UNIT = 30.0;
constexpr char16_t METAFILE_DESCRIPTION[] =
    u"Sorvo Visualizer V0.91 - Visualisierung von HadCRUT3-Daten\0";

}  // namespace

ZBitmap MainWindow::renderSavedPicture() {
    // Rendering writes the map centre (and on the globe its centre) into the view it is given;
    // a copy keeps the window's own view as it is.
    ViewState rendered = view;
    // The caption names the view position's value, and the globe turns to it; markers are
    // left out of saved pictures.
    MapOverlayPainter frameAndCaption(database, rendered, captionFont, labelFont, &positions);
    ZBitmap picture;
    MapRenderer(
        MapScene{database, rendered, background, viewCentre(), &frameAndCaption, waitDialog.get()})
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

void MainWindow::saveAsEmf(const ZString& name) {
    // A view of its own at the metafile's scale: the window keeps its scale, its map centre
    // and its globe centre.
    ViewState rendered = view;
    rendered.scaleX = METAFILE_SCALE;
    rendered.scaleY = METAFILE_SCALE;
    rendered.frameScale = METAFILE_SCALE;
    PictureGeometry geometry = PictureGeometry::of(rendered);
    ZRect frame{0, 0, static_cast<int>(ZSystem::round(geometry.width * METAFILE_UNIT, 0)),
                static_cast<int>(ZSystem::round(geometry.height * METAFILE_UNIT, 0))};
    // The description's own terminator and the empty picture name after it.
    std::u16string description(METAFILE_DESCRIPTION, std::size(METAFILE_DESCRIPTION));
    ZMetafileSurface metafile(geometry.width, geometry.height, frame, description);
    if (!metafile.create(QString::fromUtf8(name.c_str()))) {
        throw ZException("Cannot create EMF-File.", 0);
    }
    MapOverlayPainter overlays(database, rendered, captionFont, labelFont, &positions);
    MapRenderer(MapScene{database, rendered, background, viewCentre(), &overlays, nullptr})
        .renderMap(metafile, true, false);
    if (!metafile.close()) {
        throw ZException("Cannot create EMF-File.", 0);
    }
}
