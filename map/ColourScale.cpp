#include "map/ColourScale.h"

ZColour colourForValue(double value, const ColourClasses& classes) {
    for (const ColourClass& row : classes) {
        if (row.upperBound > value) {
            return row.colour;
        }
    }
    return classes.back().colour;
}

ColourScale ColourScale::of(ColourScaleChoice choice) {
    if (choice == ColourScaleChoice::BlueWhiteRed) {
        return ColourScale{BLUE_WHITE_RED_SCALE, NO_DATA_GREY};
    }
    return ColourScale{COLOUR_SCALE, std::nullopt};
}
