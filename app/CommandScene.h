#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "document/MapDocument.h"

class CommandLineTexts;
class GridDatabase;
struct PictureChoice;

// What a picture or an animation from the command line is drawn from: the document stored in
// the working directory with the command line's choices laid over it.
class CommandScene {
  public:
    // Reads the document, takes the choices over it and loads the background picture (or
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

    // Never saved: the command line writes nothing but its picture.
    MapDocument document;
};
