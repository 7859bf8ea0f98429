#include <gtest/gtest.h>

#include "map/ColourScale.h"

namespace {

TEST(ColourScale, EachBoundBelongsToTheClassAboveIt) {
    for (auto [value, colour] : {std::pair{-6.0, zRgb(64, 55, 187)},
                                 {-99.0, zRgb(64, 55, 187)},
                                 {-5.0, zRgb(101, 121, 255)},
                                 {-0.2000001, zRgb(28, 255, 184)},
                                 {-0.2, zRgb(7, 255, 28)},
                                 {0.0, zRgb(255, 254, 51)},
                                 {4.999, zRgb(255, 85, 85)},
                                 {5.0, zRgb(254, 19, 18)},
                                 {25.0, zRgb(254, 19, 18)}}) {
        EXPECT_EQ(colourForValue(value), colour) << value;
    }
}

TEST(ColourScale, NoDataOnlyBelowTheMarkerThreshold) {
    EXPECT_FALSE(hasData(-99.9) || hasData(-99.00001));
    EXPECT_TRUE(hasData(-99.0) && hasData(0.0));
}

}  // namespace
