#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace sampledata {

// The 5-degree grid and the months the sample files span.
inline constexpr int ROWS = 36;
inline constexpr int COLUMNS = 72;
inline constexpr int CELLS = ROWS * COLUMNS;
inline constexpr int FIRST_YEAR = 1850;
inline constexpr int LAST_YEAR = 2025;
inline constexpr int MONTHS = (LAST_YEAR - FIRST_YEAR + 1) * 12;

inline constexpr double PI = 3.14159265358979323846;
inline constexpr double TWO_PI = 2.0 * PI;
inline constexpr double DEGREE = PI / 180.0;

// Centre of a cell in degrees: row 0 is 90N-85N, column 0 is 180W-175W.
inline double latitude(int row) {
    return 87.5 - 5.0 * row;
}
inline double longitude(int column) {
    return -177.5 + 5.0 * column;
}

// Year with fraction at the middle of month index t (0 = January of the first year).
inline double decimalYear(int t) {
    return FIRST_YEAR + (t + 0.5) / 12.0;
}

// 0 below 0, 1 above 1, a smooth S-curve between.
inline double smoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// Longitude east of Greenwich in 0..360, so the Pacific is one span.
inline double longitudeEast(double lon) {
    return lon < 0.0 ? lon + 360.0 : lon;
}

// Share of the Earth's surface of one cell of each row; all cells together sum to 1.
inline std::array<double, ROWS> cellAreaShares() {
    std::array<double, ROWS> shares{};
    double total = 0.0;
    for (int r = 0; r < ROWS; ++r) {
        shares[r] = std::cos(latitude(r) * DEGREE);
        total += shares[r] * COLUMNS;
    }
    for (double& s : shares) {
        s /= total;
    }
    return shares;
}

}  // namespace sampledata
