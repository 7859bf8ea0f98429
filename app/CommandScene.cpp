#include "app/CommandScene.h"

#include <unistd.h>

#include <ostream>

#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/OwnFiles.h"
#include "app/TerminalProgress.h"
#include "grid/GridDatabase.h"
#include "map/Coastlines.h"
#include "map/MapConstants.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZException.h"
#include "toolkit/ui/ZLanguageSwitch.h"

namespace {

constexpr std::uint32_t OUTLINES_ONLY = 1;

// The command line's choices over what the working directory shows.
void choose(const PictureChoice& choice, MapDocument& document) {
    if (choice.dataset) {
        document.dataset.fileName = *choice.dataset;
    }
    const MonthSelection& stored = document.selection;
    document.selection =
        MonthSelection(choice.year.value_or(stored.year()), choice.month.value_or(stored.month()),
                       choice.yearAverage || (stored.yearAverage() && !choice.month));
    ViewChoices& view = document.view;
    view.scalePercent = choice.scalePercent.value_or(view.scalePercent);
    view.mapType = choice.mapType.value_or(view.mapType);
    view.globe = choice.globe.value_or(view.globe);
    view.colourScale = choice.colourScale.value_or(view.colourScale);
    view.scalePercent *= choice.size;
    view.equalEarth = choice.equalEarth.value_or(view.equalEarth);
}

}  // namespace

bool CommandScene::prepare(const PictureChoice& choice, const CommandLineTexts& texts,
                           std::ostream& errors) {
    document.load();
    // Pictures speak the window's language, as they follow its other settings.
    zSwitchLanguage(document.english, ENGLISH_TABLE);
    choose(choice, document);
    ViewChoices& view = document.view;
    if (choice.centre) {
        // Degrees to radians as the map's own projections count them.
        view.centreLon = choice.centre->lon * ONE_180TH * PI;
        view.centreLat = choice.centre->lat * ONE_90TH * HALF_PI;
    }
    if (view.mapType == OUTLINES_ONLY) {
        if (!coastlinesReadable()) {
            errors << texts.coastlinesMissing();
            return false;
        }
        return true;
    }
    try {
        document.loadBackground();
    } catch (const ZException& exception) {
        errors << texts.backgroundMissing(exception.getMessage().view());
        return false;
    }
    return true;
}

bool CommandScene::targetAllowed(std::string_view option, const std::string& target,
                                 const CommandLineTexts& texts, std::ostream& errors) const {
    if (std::optional<std::string> own = ownFileAt(target, document.dataset.fileName.str())) {
        errors << texts.ownFile(option, target, *own);
        return false;
    }
    return true;
}

bool CommandScene::openDataset(GridDatabase& database, const CommandLineTexts& texts,
                               std::ostream& errors) const {
    try {
        // A file of temperatures may first compute its baseline: that takes a while.
        TerminalProgress progress(errors, isatty(STDERR_FILENO) == 1);
        database.open(document.dataset, progress);
    } catch (const ZException& exception) {
        errors << texts.datasetNotOpened(exception.getMessage().view());
        return false;
    }
    return true;
}
