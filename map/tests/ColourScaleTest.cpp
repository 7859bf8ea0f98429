#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "map/ColourScale.h"

namespace {

using Matrix = std::array<double, 9>;
using Triple = std::array<double, 3>;

Triple times(const Matrix& m, const Triple& v) {
    return {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
            m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
}

// CIE 1976 colour difference (CIELAB, D65) of two colours seen through a simulation matrix
// applied to linear RGB.
double deltaE(ZColour a, ZColour b, const Matrix& vision) {
    // Linear RGB to XYZ, each row divided by its white.
    constexpr Matrix TO_XYZ{0.4339499, 0.3762098, 0.1898403, 0.2126729, 0.7151521,
                            0.0721750, 0.0177566, 0.1094680, 0.8727755};
    auto lab = [&](ZColour colour) {
        Triple rgb{zRed(colour) / 255.0, zGreen(colour) / 255.0, zBlue(colour) / 255.0};
        for (double& c : rgb) {
            c = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        Triple f = times(TO_XYZ, times(vision, rgb));
        for (double& t : f) {
            t = t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
        }
        return Triple{116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
    };
    Triple p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// Neighbouring classes, and each class against the no-data grey, stay at least a colour
// difference of 10 apart in normal vision and as seen with deuteranopia and protanopia
// (simulation matrices of Machado, Oliveira and Fernandes 2009, severity 1.0).
TEST(ColourScale, BlueWhiteRedClassesStayApartForColourBlindReaders) {
    const Matrix visions[] = {
        {1, 0, 0, 0, 1, 0, 0, 0, 1},
        {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940,
         0.968881},
        {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116,
         1.051998},
    };
    const ColourScale scale = ColourScale::of(ColourScaleChoice::BlueWhiteRed);
    for (const Matrix& vision : visions) {
        for (std::size_t k = 0; k < scale.classes.size(); ++k) {
            ZColour noData = scale.noData.value();
            ZColour next = k + 1 < scale.classes.size() ? scale.classes[k + 1].colour : noData;
            for (ZColour other : {next, noData}) {
                EXPECT_GE(deltaE(scale.classes[k].colour, other, vision), 10)
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
