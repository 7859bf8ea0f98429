// The main window's settings file "init.txt", and after it the positions.
#include "app/MainWindow.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZInitFile.h"
#include "toolkit/ZSystem.h"

namespace {

constexpr const char* SETTINGS_FILE = "init.txt";
constexpr const char* SEPARATOR = "=";

// A value that is missing or 0 takes the default.
std::uint32_t orDefault(int value, std::uint32_t fallback) {
    return value == 0 ? fallback : static_cast<std::uint32_t>(value);
}

}  // namespace

void MainWindow::loadSettings() {
    ZInitFile settings;
    settings.open(SETTINGS_FILE, SEPARATOR);
    initialDbFile = settings.getValue("DB_FILE");
    if (initialDbFile.isEmpty()) {
        initialDbFile = "data/cru/hadcrut3v.dat";
    }
    initialYear = orDefault(settings.getIntValue("YEAR"), 1990);
    initialMonth = orDefault(settings.getIntValue("MONTH"), 6);
    initialMapType = orDefault(settings.getIntValue("MAP_TYPE"), 2);
    initialScalePercent = orDefault(settings.getIntValue("SCALE_PERCENT"), 75);
    initialYearAverage = settings.getFlagValue("YEAR_AVERAGE");
    view.orthView = settings.getFlagValue("ORTH_VIEW");
    loadPositions();
}

void MainWindow::saveSettings() {
    ZInitFile settings;
    settings.putValue("DB_FILE", database.fileName);
    settings.putValue("YEAR", static_cast<int>(database.year));
    settings.putValue("MONTH", static_cast<int>(database.month));
    settings.putValue("YEAR_AVERAGE", database.yearAverage);
    settings.putValue("SCALE_PERCENT", static_cast<int>(view.scalePercent));
    settings.putValue("MAP_TYPE", static_cast<int>(view.mapType));
    settings.putValue("ORTH_VIEW", view.orthView);
    // Each file is saved and reported on its own: settings that cannot be written must not cost
    // the positions.
    try {
        settings.save(SETTINGS_FILE, SEPARATOR);
    } catch (const ZException& exception) {
        ZSystem::showMessage(
            this,
            ZFormattedString("Konfiguration konnte nicht gespeichert werden.\r\n%s",
                             exception.getMessage().c_str()),
            exception.getMessage(), false);
    }
    savePositions();
}
