#pragma once

// Angles and scales of the map. Every constant that involves pi derives from the double
// 3.14159265, not from the full-precision value: the map's pixels and the read-out depend on it.
inline constexpr double PI = 3.14159265;
inline constexpr double HALF_PI = PI / 2;           // 1.570796325
inline constexpr double TWO_PI = 2 * PI;            // 6.2831853
inline constexpr double INV_TWO_PI = 1 / (2 * PI);  // 0.15915494327375637
inline constexpr double INV_PI = 1 / PI;            // 0.31830988654751274
inline constexpr double TWO_OVER_PI = 2 / PI;       // 0.6366197730950255
// Equirectangular map: 1000 pixels for 360 degrees at scale 1.
inline constexpr double PIXELS_PER_DEGREE = 1000.0 / 360.0;  // 2.7777777777777777
inline constexpr double DEGREES_PER_PIXEL = 360.0 / 1000.0;  // 0.36
inline constexpr double ONE_SIXTIETH = 1.0 / 60.0;
inline constexpr double ONE_180TH = 1.0 / 180.0;
inline constexpr double ONE_90TH = 1.0 / 90.0;
inline constexpr double ONE_5400TH = 1.0 / 5400.0;
inline constexpr double ONE_10800TH = 1.0 / 10800.0;

// Size of the map proper at scale 1 and radius of the globe.
inline constexpr double MAP_WIDTH = 1000.0;
inline constexpr double MAP_HEIGHT = 500.0;
inline constexpr double GLOBE_RADIUS = 250.0;
// Margins of the picture around the map at frame scale 1: left, top and right, and the band
// below that holds the legend and caption.
inline constexpr double FRAME_MARGIN = 30.0;
inline constexpr double FRAME_BOTTOM = 80.0;

static_assert(HALF_PI == 1.570796325 && TWO_PI == 6.2831853);
static_assert(INV_TWO_PI == 0.15915494327375637 && INV_PI == 0.31830988654751274);
static_assert(TWO_OVER_PI == 0.6366197730950255 && PIXELS_PER_DEGREE == 2.7777777777777777);
static_assert(DEGREES_PER_PIXEL == 0.36 && ONE_5400TH == 0.00018518518518518518);
