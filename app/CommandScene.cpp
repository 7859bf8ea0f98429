#include "app/CommandScene.h"

#include <ostream>

#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/OwnFiles.h"
#include "grid/GridDatabase.h"
#include "map/BackgroundPicture.h"
#include "map/Coastlines.h"
#include "map/MapConstants.h"
#include "toolkit/ZException.h"

namespace {

constexpr std::uint32_t OUTLINES_ONLY = 1;

// The window's fonts: caption and labels.
ZFont makeFont(const char* face, int size) {
    ZFont font;
    font.create(face, size, 0, 400, 0);
    return font;
}

// The command line's choices over what the working directory shows.
void choose(const PictureChoice& choice, MapSettings& settings) {
    if (choice.dataset) {
        settings.dataset = *choice.dataset;
    }
    if (choice.year) {
        settings.year = *choice.year;
    }
    if (choice.month) {
        settings.month = *choice.month;
        settings.yearAverage = false;
    }
    if (choice.yearAverage) {
        settings.yearAverage = true;
    }
    if (choice.scalePercent) {
        settings.scalePercent = *choice.scalePercent;
    }
    if (choice.mapType) {
        settings.mapType = *choice.mapType;
    }
    if (choice.globe) {
        settings.globe = *choice.globe;
    }
}

}  // namespace

CommandScene::CommandScene()
    : captionFont(makeFont("Times New Roman", 12)), labelFont(makeFont("Arial", 8)) {}

bool CommandScene::prepare(const PictureChoice& choice, const CommandLineTexts& texts,
                           std::ostream& errors) {
    stored.load();
    choose(choice, stored.settings);
    view = stored.settings.view();
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
        loadBackground(background, view.mapType);
    } catch (const ZException& exception) {
        errors << texts.backgroundMissing(exception.getMessage().view());
        return false;
    }
    return true;
}

bool CommandScene::targetAllowed(std::string_view option, const std::string& target,
                                 const CommandLineTexts& texts, std::ostream& errors) const {
    if (std::optional<std::string> own = ownFileAt(target, stored.settings.dataset.str())) {
        errors << texts.ownFile(option, target, *own);
        return false;
    }
    return true;
}

bool CommandScene::openDataset(GridDatabase& database, const CommandLineTexts& texts,
                               std::ostream& errors) const {
    try {
        database.open({1, stored.settings.dataset});
    } catch (const ZException& exception) {
        errors << texts.datasetNotOpened(exception.getMessage().view());
        return false;
    }
    return true;
}
