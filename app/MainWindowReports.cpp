// What the main window tells the user about data it cannot show.
#include "app/MainWindow.h"
#include "grid/NotNumbersNote.h"
#include "map/Coastlines.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"

namespace {

// How long a note stays over the status bar.
constexpr int NOTE_MS = 15000;

}  // namespace

void MainWindow::reportMissingData() {
    ZString notes;
    const ZString& layoutNote = database.layoutNote();
    if (!layoutNote.isEmpty() && layoutNoteShownFor != database.fileName()) {
        layoutNoteShownFor = database.fileName();
        notes = layoutNote;
    }
    // Once for the month read: drawing it again at another scale, say, does not repeat it.
    const ZString notNumbers = notNumbersNote(database);
    const ZString readFor =
        notNumbers.isEmpty() ? ZString() : database.fileName() + notNumbers.view();
    if (readFor != notNumbersShownFor) {
        notNumbersShownFor = readFor;
        if (!notes.isEmpty() && !notNumbers.isEmpty()) {
            notes += ' ';
        }
        notes += notNumbers.view();
    }
    if (!notes.isEmpty()) {
        statusBar.showNote(notes, NOTE_MS);
    }
    // Every month of a file in the wrong layout has the same cause: one message is enough.
    const ZString& problem = database.layoutProblem();
    if (!problem.isEmpty() && layoutProblemShownFor != database.fileName()) {
        layoutProblemShownFor = database.fileName();
        ZSystem::showMessage(this, problem, "Information", false);
    }
}

void MainWindow::reportMissingCoastlines() {
    if (!coastlinesMissingShown && !coastlinesReadable()) {
        coastlinesMissingShown = true;
        ZSystem::showMessage(
            this,
            ztr("Die Umrissdatei \"worldmap.txt\" fehlt im Arbeitsverzeichnis oder "
                "kann nicht gelesen werden. Die Karte wird ohne Umrisse gezeigt."),
            "Information", false);
    }
}
