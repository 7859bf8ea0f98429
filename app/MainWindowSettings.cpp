// The main window's document on closing: "init.txt", then the positions.
#include "app/MainWindow.h"
#include "positions/PositionsFile.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"

void MainWindow::saveSettings() {
    document.dataset = database.description();
    document.selection = database.selection();
    const MapDocument::SaveOutcome outcome = document.save();
    if (!outcome.settingsError.isEmpty()) {
        ZSystem::showMessage(
            this,
            ZFormattedString(ztr("Konfiguration konnte nicht gespeichert werden.\r\n%s").c_str(),
                             outcome.settingsError.c_str()),
            outcome.settingsError, false);
    }
    if (outcome.positionsKept) {
        ZSystem::showMessage(
            this,
            ZFormattedString(
                ztr("Die bisherige Datei \"%s\" enthielt Zeilen, die das Programm nicht "
                    "zurückschreibt (Kommentare oder Zeilen, die es nicht vollständig "
                    "lesen kann). Sie wurde als \"%s\" aufbewahrt.")
                    .c_str(),
                MapDocument::POSITIONS_FILE,
                positionsBackupName(MapDocument::POSITIONS_FILE).c_str()),
            "Information", false);
    }
    if (!outcome.positionsError.isEmpty()) {
        ZSystem::showMessage(
            this,
            ZFormattedString(ztr("Positionen konnten nicht gespeichert werden.\r\n%s").c_str(),
                             outcome.positionsError.c_str()),
            "Information", false);
    }
}
