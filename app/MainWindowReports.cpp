// What the main window tells the user about data it cannot show.
#include "app/MainWindow.h"
#include "map/Coastlines.h"
#include "toolkit/ZSystem.h"

namespace {

// How long a note stays over the status bar.
constexpr int NOTE_MS = 15000;

}  // namespace

void MainWindow::reportMissingData() {
    const ZString& note = database.layoutNote();
    if (!note.isEmpty() && layoutNoteShownFor != database.fileName) {
        layoutNoteShownFor = database.fileName;
        statusBar.showNote(note, NOTE_MS);
    }
    // Every month of a file in the wrong layout has the same cause: one message is enough.
    const ZString& problem = database.layoutProblem();
    if (!problem.isEmpty() && layoutProblemShownFor != database.fileName) {
        layoutProblemShownFor = database.fileName;
        ZSystem::showMessage(this, problem, "Information", false);
    }
}

void MainWindow::reportMissingCoastlines() {
    if (!coastlinesMissingShown && !coastlinesReadable()) {
        coastlinesMissingShown = true;
        ZSystem::showMessage(this,
                             "Die Umrissdatei \"worldmap.txt\" fehlt im Arbeitsverzeichnis oder "
                             "kann nicht gelesen werden. Die Karte wird ohne Umrisse gezeigt.",
                             "Information", false);
    }
}
