#pragma once

#include <cstdint>

// The colour scales of the cells and the legend; the numbers are those kept in the settings.
enum class ColourScaleChoice : std::uint32_t { Standard = 1, BlueWhiteRed = 2 };

// What the user chose for the map, and nothing derived from it: a plain value that the window,
// the settings and the command line hand around and compare.
struct ViewChoices {
    // 1 outlines only, 2 "weltkarte1.jpg", 3 "weltkarte3.jpg", 4 "weltkarte2.jpg".
    std::uint32_t mapType = 2;
    // As chosen or read from the settings; the factor is derived from it where a picture is laid
    // out, so no second copy can fall behind.
    std::uint32_t scalePercent = 75;
    bool globe = false;
    // The equal-area world map instead of the flat one; the globe, when chosen, is shown instead.
    bool equalEarth = false;
    // The globe's centre in radians when no view position turns it: 10 degrees east, 45
    // degrees north, or the centre asked for on the command line, or where the window's globe
    // last looked.
    double centreLon = 0.17453292500000003;
    double centreLat = 0.7853981625;
    ColourScaleChoice colourScale = ColourScaleChoice::Standard;

    bool outlinesOnly() const { return mapType == 1; }
    bool operator==(const ViewChoices&) const = default;
};
