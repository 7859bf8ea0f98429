#include "app/PictureCommand.h"

#include <unistd.h>

#include <ostream>

#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/MapPictureWriter.h"
#include "app/StoredView.h"
#include "app/TerminalProgress.h"
#include "grid/GridDatabase.h"
#include "map/BackgroundPicture.h"
#include "map/Coastlines.h"
#include "map/MapConstants.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"

namespace {

constexpr std::uint32_t OUTLINES_ONLY = 1;

// The window's fonts: caption and labels.
ZFont makeFont(const char* face, int size) {
    ZFont font;
    font.create(face, size, 0, 400, 0);
    return font;
}

bool coastlinesReadable() {
    ZFile file;
    try {
        file.open(COASTLINE_FILE, false);
    } catch (const ZFileNotFoundException&) {
        return false;
    }
    return true;
}

// The command line's choices over what the working directory shows.
void choose(const PictureChoice& choice, StoredView& stored) {
    if (choice.dataset) {
        stored.dataset = *choice.dataset;
    }
    if (choice.year) {
        stored.year = *choice.year;
    }
    if (choice.month) {
        stored.month = *choice.month;
        stored.yearAverage = false;
    }
    if (choice.yearAverage) {
        stored.yearAverage = true;
    }
    ViewState& view = stored.view;
    if (choice.scalePercent) {
        view.scalePercent = *choice.scalePercent;
        view.scaleX = view.scaleY = view.scalePercent * 0.01;
    }
    if (choice.mapType) {
        view.mapType = *choice.mapType;
    }
    if (choice.globe) {
        view.orthView = *choice.globe;
    }
    if (choice.centre) {
        // Degrees to radians as the map's own projections count them.
        view.orthoCentreLon = choice.centre->lon * ONE_180TH * PI;
        view.orthoCentreLat = choice.centre->lat * ONE_90TH * HALF_PI;
    }
}

}  // namespace

PictureCommand::PictureCommand(const CommandLine& line, const CommandLineTexts& texts,
                               std::ostream& errors)
    : line_(line), texts_(texts), errors_(errors) {}

int PictureCommand::run() {
    StoredView stored;
    stored.load();
    choose(line_.picture, stored);

    ZBitmap background;
    if (stored.view.mapType == OUTLINES_ONLY) {
        if (!coastlinesReadable()) {
            errors_ << texts_.coastlinesMissing();
            return 1;
        }
    } else {
        try {
            loadBackground(background, stored.view.mapType);
        } catch (const ZException& exception) {
            errors_ << texts_.backgroundMissing(exception.getMessage().view());
            return 1;
        }
    }

    GridDatabase database;
    try {
        database.open(1, stored.dataset);
    } catch (const ZException& exception) {
        errors_ << texts_.datasetNotOpened(exception.getMessage().view());
        return 1;
    }
    database.select(stored.year, stored.month, stored.yearAverage);
    if (!database.layoutNote().isEmpty()) {
        errors_ << texts_.note(database.layoutNote().view());
    }
    // A weekly script must notice when the month is not in the file yet: no picture that only
    // says "Keine Daten", and the last one stays.
    if (database.cellsWithData == 0) {
        if (!database.layoutProblem().isEmpty()) {
            errors_ << texts_.layoutProblem(database.layoutProblem().view());
        }
        errors_ << texts_.noData(stored.dataset.view(), stored.year,
                                 stored.yearAverage ? 0 : stored.month);
        return 1;
    }

    // The globe turns to --centre when it is given, otherwise to the view position.
    const Position* viewPosition = stored.positions.viewPosition();
    const GeoPosition* globeCentre =
        line_.picture.centre || viewPosition == nullptr ? nullptr : &viewPosition->coordinates;
    MapPictureWriter writer(database, stored.view, background, globeCentre, &stored.positions,
                            makeFont("Times New Roman", 12), makeFont("Arial", 8));
    ZString output(line_.output);
    TerminalProgress progress(errors_, isatty(STDERR_FILENO) == 1);
    try {
        switch (line_.format) {
            case PictureFormat::Png:
                writer.writePng(output, &progress);
                break;
            case PictureFormat::Gif:
                writer.writeGif(output, &progress);
                break;
            case PictureFormat::Jpeg:
                writer.writeJpeg(output, &progress);
                break;
            case PictureFormat::Emf:
                writer.writeEmf(output, &progress);
                break;
        }
    } catch (const ZException& exception) {
        errors_ << texts_.notWritten(exception.getMessage().view());
        return 1;
    }
    return 0;
}
