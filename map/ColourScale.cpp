#include "map/ColourScale.h"

ZColour colourForValue(double value) {
    for (const ColourClass& row : COLOUR_SCALE) {
        if (row.upperBound > value) {
            return row.colour;
        }
    }
    return COLOUR_SCALE.back().colour;
}
