// The main window's globe turned by hand with the left button.
#include "app/MainWindow.h"
#include "map/GlobePreview.h"
#include "toolkit/ui/ZRasterSurface.h"

void MainWindow::leftPressedAt(int x, int y) {
    globeDrag.reset();
    globeDragMoved = false;
    if (!document.view.globe) {
        return;
    }
    Viewport shown = viewport();
    GlobeDrag drag(shown, x, y);
    if (drag.grabbed() && shown.geometry().canBeDrawn()) {
        globeDrag = drag;
    }
}

void MainWindow::turnGlobeTo(int x, int y) {
    // A press that stays within a click's slack is a click, as it always was.
    if (!globeDragMoved && !globeDrag->beyondClick(x, y)) {
        return;
    }
    GeoAngles centre = globeDrag->centreFor(x, y);
    document.view.centreLon = centre.lon;
    document.view.centreLat = centre.lat;
    turnedByHand = true;
    Viewport turned = viewport();
    MapOverlayPainter frameAndLegend(database, document.captionFont, document.labelFont);
    MapScene scene{database.grid(), turned, document.background, &frameAndLegend, nullptr};
    if (!globeDragMoved) {
        globePreview.emplace(scene);
        globeDragMoved = true;
    }
    // Drawn here rather than on the worker: a step takes a few milliseconds and must not show
    // the wait dialog. The spare picture takes it and the two change places, as after a render.
    QImage image = spareBitmap.image();
    spareBitmap.close();
    const PictureGeometry& geometry = turned.geometry();
    if (image.size() != QSize(geometry.width, geometry.height)) {
        image = QImage(geometry.width, geometry.height, QImage::Format_RGB32);
    }
    {
        ZRasterSurface surface(image);
        globePreview->render(scene, surface);
    }
    spareBitmap = std::move(mapBitmap);
    mapBitmap.create(image);
    mapPanel.invalidateWindow();
}

void MainWindow::leftReleasedAt(int x, int y) {
    if (!globeDrag) {
        return;
    }
    bool moved = globeDragMoved;
    GeoAngles centre = globeDrag->centreFor(x, y);
    globeDrag.reset();
    globeDragMoved = false;
    globePreview.reset();
    if (moved) {
        // The full picture for where the pointer let go.
        document.view.centreLon = centre.lon;
        document.view.centreLat = centre.lat;
        reRender();
    }
}
