#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "map/ColourScale.h"

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// CIELAB (D65) of a colour as seen through a simulation matrix on linear RGB.
std::array<double, 3> labSeen(ZColour colour, const Matrix& vision) {
    constexpr Matrix TO_XYZ{{{0.4124564, 0.3575761, 0.1804375},
                             {0.2126729, 0.7151522, 0.0721750},
                             {0.0193339, 0.1191920, 0.9503041}}};
    double rgb[3] = {zRed(colour) / 255.0, zGreen(colour) / 255.0, zBlue(colour) / 255.0};
    for (double& c : rgb) {
        c = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    double f[3];
    for (int i = 0; i < 3; ++i) {
        double t = 0;
        for (int j = 0; j < 3; ++j) {
            double seen = vision[j][0] * rgb[0] + vision[j][1] * rgb[1] + vision[j][2] * rgb[2];
            t += TO_XYZ[i][j] * std::clamp(seen, 0.0, 1.0) /
                 (TO_XYZ[i][0] + TO_XYZ[i][1] + TO_XYZ[i][2]);
        }
        f[i] = t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// CIE 1976 colour difference.
double deltaE(ZColour a, ZColour b, const Matrix& vision) {
    auto p = labSeen(a, vision);
    auto q = labSeen(b, vision);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// Neighbouring classes, and each class against the no-data grey, stay at least a colour
// difference of 10 apart in normal vision and as seen with deuteranopia and protanopia
// (simulation matrices of Machado, Oliveira and Fernandes 2009, severity 1.0).
TEST(ColourScale, BlueWhiteRedClassesStayApartForColourBlindReaders) {
    // Normal vision, deuteranopia, protanopia.
    const Matrix visions[] = {
        {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
        {{{0.367322, 0.860646, -0.227968},
          {0.280085, 0.672501, 0.047413},
          {-0.011820, 0.042940, 0.968881}}},
        {{{0.152286, 1.052583, -0.204868},
          {0.114503, 0.786281, 0.099216},
          {-0.003882, -0.048116, 1.051998}}},
    };
    const ColourScale scale = ColourScale::of(ColourScaleChoice::BlueWhiteRed);
    ASSERT_TRUE(scale.noData.has_value());
    for (const Matrix& vision : visions) {
        for (std::size_t k = 0; k < scale.classes.size(); ++k) {
            ZColour colour = scale.classes[k].colour;
            EXPECT_GE(deltaE(colour, *scale.noData, vision), 10) << &vision - visions << "," << k;
            if (k + 1 < scale.classes.size()) {
                EXPECT_GE(deltaE(colour, scale.classes[k + 1].colour, vision), 10)
                    << &vision - visions << "," << k;
            }
        }
    }
}

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
