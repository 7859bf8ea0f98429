// The main window's settings file "init.txt", and after it the positions.
#include "app/MainWindow.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZSystem.h"

void MainWindow::loadSettings() {
    startSettings = MapSettings::load();
    view.globe = startSettings.globe;
    loadPositions();
}

void MainWindow::saveSettings() {
    const MonthSelection& selection = database.selection();
    const MapSettings current{.dataset = database.fileName(),
                              .year = selection.year(),
                              .month = selection.month(),
                              .yearAverage = selection.yearAverage(),
                              .scalePercent = view.scalePercent,
                              .mapType = view.mapType,
                              .globe = view.globe};
    // Each file is saved and reported on its own: settings that cannot be written must not cost
    // the positions.
    try {
        current.save();
    } catch (const ZException& exception) {
        ZSystem::showMessage(
            this,
            ZFormattedString("Konfiguration konnte nicht gespeichert werden.\r\n%s",
                             exception.getMessage().c_str()),
            exception.getMessage(), false);
    }
    savePositions();
}
