// The series window beside the map: opened by its command, fed with the shown dataset and the
// positions, and drawing its typed box over the map.
#include "app/MainWindow.h"
#include "chart/SeriesWindow.h"

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
        seriesWindow = new SeriesWindow(std::move(host), widget());
    }
    seriesWindow->open();
}
