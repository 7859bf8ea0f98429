#pragma once

#include <array>
#include <optional>

#include "map/ViewChoices.h"
#include "toolkit/ui/ZColour.h"

// One class of the colour scale: every value below the bound (and not below the previous
// bound) takes the colour.
struct ColourClass {
    double upperBound;
    ZColour colour;
};

using ColourClasses = std::array<ColourClass, 11>;

// Shared by the cells of both views and the legend, in rising order of the bound.
inline constexpr ColourClasses COLOUR_SCALE{{
    {-5.0, zRgb(64, 55, 187)},
    {-3.0, zRgb(101, 121, 255)},
    {-1.0, zRgb(82, 196, 255)},
    {-0.5, zRgb(104, 230, 255)},
    {-0.2, zRgb(28, 255, 184)},
    {0.0, zRgb(7, 255, 28)},
    {0.2, zRgb(255, 254, 51)},
    {1.0, zRgb(255, 191, 17)},
    {3.0, zRgb(255, 148, 46)},
    {5.0, zRgb(255, 85, 85)},
    {10.0, zRgb(254, 19, 18)},
}};

// The same bounds from dark blue through white to dark red, with the steps in lightness that
// keep neighbours apart for readers without red-green vision as well: the two classes next to
// zero are nearly white, one cool and one warm.
inline constexpr ColourClasses BLUE_WHITE_RED_SCALE{{
    {-5.0, zRgb(12, 40, 101)},
    {-3.0, zRgb(0, 80, 152)},
    {-1.0, zRgb(38, 124, 190)},
    {-0.5, zRgb(93, 162, 212)},
    {-0.2, zRgb(149, 200, 229)},
    {0.0, zRgb(220, 238, 248)},
    {0.2, zRgb(252, 242, 233)},
    {1.0, zRgb(250, 202, 180)},
    {3.0, zRgb(231, 147, 128)},
    {5.0, zRgb(207, 94, 83)},
    {10.0, zRgb(161, 44, 46)},
}};

// Cells without data under the blue-white-red scale: a neutral grey, far in colour from every
// class, since white there means "no change" rather than "nothing known".
inline constexpr ZColour NO_DATA_GREY = zRgb(128, 128, 128);

// Opacity (of 255) of cells over a background picture: the picture shows through by half.
inline constexpr int CELL_ALPHA = 128;

// Values below this mark a cell without data, which is not drawn.
inline constexpr double NO_DATA_BELOW = -99.0;

inline constexpr ZColour BACKGROUND_COLOUR = zRgb(255, 255, 255);
inline constexpr ZColour COASTLINE_COLOUR = zRgb(0, 0, 0);
inline constexpr ZColour GLOBE_GRATICULE_COLOUR = zRgb(0, 0, 255);
inline constexpr ZArgb GLOBE_OUTLINE_COLOUR = 0xFF0000FF;
inline constexpr ZColour VIEW_POSITION_COLOUR = zRgb(0, 0, 255);
inline constexpr ZColour POSITION_COLOUR = zRgb(255, 0, 0);

// The colour of the first class whose bound lies above the value; the last class takes
// everything from the last bound but one upwards.
ZColour colourForValue(double value, const ColourClasses& classes = COLOUR_SCALE);

// What the cells and the legend of one picture are coloured with.
struct ColourScale {
    const ColourClasses& classes;
    // Cells without data take this colour; without it they are not drawn and what lies beneath
    // shows through.
    std::optional<ZColour> noData;

    static ColourScale of(ColourScaleChoice choice);
};

inline bool hasData(double value) {
    return !(value < NO_DATA_BELOW);
}

// A colour with the cells' opacity for the translucent fill.
constexpr ZArgb translucentCellColour(ZColour colour) {
    return (static_cast<ZArgb>(CELL_ALPHA) << 24) | (static_cast<ZArgb>(zRed(colour)) << 16) |
           (static_cast<ZArgb>(zGreen(colour)) << 8) | static_cast<ZArgb>(zBlue(colour));
}
