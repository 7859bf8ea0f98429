#include "app/PictureCommand.h"

#include <unistd.h>

#include <ostream>

#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/CommandScene.h"
#include "app/MapPictureWriter.h"
#include "app/TerminalProgress.h"
#include "grid/GridDatabase.h"
#include "grid/NotNumbersNote.h"
#include "toolkit/ZException.h"

PictureCommand::PictureCommand(const CommandLine& line, const CommandLineTexts& texts,
                               std::ostream& errors)
    : line_(line), texts_(texts), errors_(errors) {}

int PictureCommand::run() {
    CommandScene scene;
    if (!scene.prepare(line_.picture, texts_, errors_) ||
        !scene.targetAllowed("--render", line_.output, texts_, errors_)) {
        return 1;
    }
    MapDocument& document = scene.document;
    const MonthSelection& selection = document.selection;

    GridDatabase database;
    if (!scene.openDataset(database, texts_, errors_)) {
        return 1;
    }
    database.select(selection);
    if (!database.layoutNote().isEmpty()) {
        errors_ << texts_.note(database.layoutNote().view());
    }
    if (ZString notNumbers = notNumbersNote(database); !notNumbers.isEmpty()) {
        errors_ << texts_.note(notNumbers.view());
    }
    // A weekly script must notice when the month is not in the file yet: no picture that only
    // says "Keine Daten", and the last one stays.
    if (database.grid().figures().cellsWithData == 0) {
        if (!database.layoutProblem().isEmpty()) {
            errors_ << texts_.layoutProblem(database.layoutProblem().view());
        }
        errors_ << texts_.noData(document.dataset.fileName.view(), selection.year(),
                                 selection.yearAverage() ? 0 : selection.month());
        return 1;
    }

    // The globe turns to --centre when it is given, otherwise to the view position.
    const MapSnapshot snapshot = document.snapshot(database, !line_.picture.centre);
    MapPictureWriter writer(snapshot);
    ZString output(line_.output);
    TerminalProgress progress(errors_, isatty(STDERR_FILENO) == 1);
    try {
        writer.write(line_.format, output, &progress);
    } catch (const ZException& exception) {
        errors_ << texts_.notWritten(exception.getMessage().view());
        return 1;
    }
    return 0;
}
