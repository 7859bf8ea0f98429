// The main window's worker: renders and saves run on it as jobs behind the wait dialog.
#include "app/MainWindow.h"
#include "app/RenderJob.h"
#include "app/SaveJob.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"

MapSnapshot MainWindow::snapshot() {
    return document.snapshot(database, !turnedByHand);
}

bool MainWindow::runJob(MapJob& job, const std::function<void()>& delivered) {
    ZString failure = worker.run(job, delivered);
    if (failure.isEmpty()) {
        return true;
    }
    ZSystem::showException(this, ZException(failure, 0));
    return false;
}

void MainWindow::reRender() {
    // The worker draws with a view of its own into the spare picture, so that the panel keeps
    // painting the last map meanwhile; the two change places when the new one is finished.
    RenderJob job(snapshot(), renderer, std::move(spareBitmap));
    if (!runJob(job, [this, &job] {
            // The globe's centre outlives a view position that turned it.
            document.view.centreLon = job.lastingCentre().lon;
            document.view.centreLat = job.lastingCentre().lat;
            spareBitmap = std::move(mapBitmap);
            mapBitmap = std::move(job.picture());
            mapPanel.invalidateWindow();
        })) {
        spareBitmap = std::move(job.picture());
    }
    updateReadout();
    reportMissingData();
}

void MainWindow::saveMap(PictureFormat format, const ZString& name) {
    MapSnapshot taken = snapshot();
    // Drawn at the larger scale rather than enlarged afterwards, so lines and texts stay sharp.
    taken.view.scalePercent *= pictureSize;
    SaveJob job(std::move(taken), renderer, format, name);
    runJob(job);
}
