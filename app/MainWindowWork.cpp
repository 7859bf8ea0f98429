// The main window's worker: tasks run on its thread behind the wait dialog.
#include "app/MainWindow.h"
#include "map/MapRenderer.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZUiThread.h"

void MainWindow::reRender() {
    startWork(TASK_RENDER);
    updateReadout();
    reportMissingData();
}

void MainWindow::startWork(std::uint32_t task) {
    pendingAction = task;
    if (!waitDialog) {
        waitDialog = std::make_unique<WaitDialog>(this);
    }
    workerThread.start(*this);
    waitDialog->show(true);
}

void MainWindow::run() {
    try {
        switch (pendingAction) {
            case TASK_RENDER:
                waitDialog->setText("Erstelle Karte ...");
                renderMapPicture();
                break;
            case TASK_SAVE_GIF:
                waitDialog->setText("Speicher GIF-Datei ...");
                saveAsGif(saveFileName.c_str());
                break;
            case TASK_SAVE_JPEG:
                waitDialog->setText("Speicher JPG-Datei ...");
                saveAsJpeg(saveFileName.c_str());
                break;
            default:
                break;
        }
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
    waitDialog->removeControls();
    waitDialog->close(0);
}

void MainWindow::renderMapPicture() {
    // The worker draws into a picture of its own, so that painting on the user-interface thread
    // meanwhile never sees a half-drawn map; it is handed over when finished, with the globe's
    // centre, which outlives a view position that turned it.
    Viewport rendered = viewport();
    MapOverlayPainter frameAndLegend(database, captionFont, labelFont);
    ZBitmap picture;
    renderer.renderToBitmap(
        MapScene{database.grid(), rendered, background, &frameAndLegend, waitDialog.get()}, picture,
        false, false);
    ZUiThread::run(this, [this, centre = rendered.lastingCentre(), picture] {
        view.centreLon = centre.lon;
        view.centreLat = centre.lat;
        mapBitmap = picture;
        mapPanel.invalidateWindow();
    });
}
