#include <gtest/gtest.h>

#include "map/ColourScale.h"

namespace {

TEST(ColourScale, EachBoundBelongsToTheClassAboveIt) {
    EXPECT_EQ(colourForValue(-6.0), zRgb(64, 55, 187));
    EXPECT_EQ(colourForValue(-99.0), zRgb(64, 55, 187));
    EXPECT_EQ(colourForValue(-5.0), zRgb(101, 121, 255));
    EXPECT_EQ(colourForValue(-0.2000001), zRgb(28, 255, 184));
    EXPECT_EQ(colourForValue(-0.2), zRgb(7, 255, 28));
    EXPECT_EQ(colourForValue(0.0), zRgb(255, 254, 51));
    EXPECT_EQ(colourForValue(4.999), zRgb(255, 85, 85));
    // From the last bound but one upwards everything is the last class.
    EXPECT_EQ(colourForValue(5.0), zRgb(254, 19, 18));
    EXPECT_EQ(colourForValue(10.0), zRgb(254, 19, 18));
    EXPECT_EQ(colourForValue(25.0), zRgb(254, 19, 18));
}

TEST(ColourScale, NoDataOnlyBelowTheMarkerThreshold) {
    EXPECT_FALSE(hasData(-99.9));
    EXPECT_FALSE(hasData(-99.00001));
    EXPECT_TRUE(hasData(-99.0));
    EXPECT_TRUE(hasData(0.0));
}

}  // namespace
