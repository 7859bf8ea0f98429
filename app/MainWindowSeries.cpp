// The series window beside the map: opened by its command, fed with the shown dataset and the
// positions, and drawing its typed box over the map.
#include "app/MainWindow.h"
#include "chart/SeriesWindow.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"

void MainWindow::showSeriesWindow() {
    if (seriesWindow.isNull()) {
        SeriesWindow::Host host;
        host.owner = this;
        host.source = [this]() {
            return SeriesSource{database.description(), placedPositions(document.positions)};
        };
        host.boxShown = [this](const std::optional<SeriesRegion>& box) {
            std::optional<GeoBox> shown;
            if (box) {
                shown = GeoBox{box->west, box->south, box->east, box->north};
            }
            if (shown != seriesBox) {
                seriesBox = shown;
                mapPanel.invalidateWindow();
            }
        };
        host.mapBaseline = [this](const std::optional<YearSpan>& baseline) {
            setMapBaseline(baseline);
        };
        seriesWindow = new SeriesWindow(std::move(host), widget());
    }
    seriesWindow->open();
}

void MainWindow::setMapBaseline(const std::optional<YearSpan>& baseline) {
    const GridSourceDescription shown = database.description();
    GridSourceDescription wanted = shown;
    wanted.baseline = baseline;
    try {
        database.open(wanted);
    } catch (const ZException& exception) {
        database.open(shown);
        database.select(database.selection());
        ZSystem::showException(this, exception);
        return;
    }
    database.select(database.selection());
    reRender();
}
