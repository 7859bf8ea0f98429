#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "app/StoredView.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"

class CommandLineTexts;
class GridDatabase;
struct PictureChoice;

// What a picture or an animation from the command line is drawn from: the view stored in the
// working directory with the command line's choices laid over it, its background picture and
// the window's fonts.
class CommandScene {
  public:
    CommandScene();

    // Reads the stored view, takes the choices over it and loads the background picture (or
    // checks the coastlines for the outlines). False, with the reason on errors, when the
    // picture's background is missing.
    bool prepare(const PictureChoice& choice, const CommandLineTexts& texts, std::ostream& errors);
    // False, with the reason on errors, when the target given to option is one of the
    // program's own files (the chosen dataset among them).
    bool targetAllowed(std::string_view option, const std::string& target,
                       const CommandLineTexts& texts, std::ostream& errors) const;
    // Opens the chosen dataset; false, with the reason on errors, when it cannot be opened.
    bool openDataset(GridDatabase& database, const CommandLineTexts& texts,
                     std::ostream& errors) const;

    StoredView stored;
    // The view the settings choose, the globe turned to the centre asked for.
    ViewChoices view;
    ZBitmap background;
    ZFont captionFont;
    ZFont labelFont;
};
