#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "Grid.h"
#include "LandMask.h"

namespace sampledata {

// Monthly mean absolute surface air temperature (degrees C) of every cell: an annual mean
// falling from the tropics to the poles, the ice sheets and Tibet colder for their height, the
// subtropical deserts warmer, north-western Europe milder; a seasonal cycle that grows with
// latitude and with distance from the sea, lags behind the sun more over the oceans and is reversed
// in the south.
class Climatology {
  public:
    Climatology() {
        annual.resize(CELLS);
        amplitude.resize(CELLS);
        coldest.resize(CELLS);
        for (int r = 0; r < ROWS; ++r) {
            const double lat = latitude(r);
            const double s2 = std::pow(std::sin(lat * DEGREE), 2);
            const double polar = std::abs(lat) / 90.0;
            const double zonal =
                lat >= 0.0 ? 27.5 - 24.0 * s2 - 20.0 * s2 * s2 : 27.5 - 20.0 * s2 - 32.0 * s2 * s2;
            for (int c = 0; c < COLUMNS; ++c) {
                const int cell = r * COLUMNS + c;
                const double lon = longitude(c);
                const bool land = isLand(r, c);
                const double landAmplitude = 1.0 + 28.0 * std::pow(polar, 1.5);
                // The North Atlantic Drift keeps north-western Europe and its seas mild.
                const double drift = std::exp(-std::pow((lat - 60.0) / 12.0, 2)) *
                                     std::exp(-std::pow((lon + 5.0) / 35.0, 2));
                double mean = zonal + 8.0 * drift;
                double swing;
                if (land) {
                    const double inland = continentality(r, c);
                    swing = landAmplitude * (0.5 + 0.9 * inland) * (1.0 - 0.7 * drift);
                    if (lat > 0.0) {
                        mean -= 6.0 * inland * polar * (1.0 - drift);  // the Siberian winter
                    }
                    if (lat < -60.0) {  // the Antarctic plateau
                        mean -= 18.0 * smoothStep((-lat - 70.0) / 15.0);
                        swing = std::min(swing, 13.0);
                    }
                    if (lat > 62.0 && lat < 83.0 && lon > -55.0 && lon < -25.0) {  // Greenland
                        mean -= 8.0;
                        swing = std::min(swing, 15.0);
                    }
                    if (lat > 27.0 && lat < 38.0 && lon > 77.0 && lon < 103.0) {  // Tibet
                        mean -= 18.0;
                    }
                    if (std::abs(lat) > 15.0 && std::abs(lat) < 33.0) {  // the deserts
                        mean += 2.5;
                    }
                } else {
                    // Over sea ice the air cools almost as over land.
                    const double ice = lat >= 0.0 ? smoothStep((lat - 66.0) / 12.0)
                                                  : smoothStep((-lat - 60.0) / 12.0);
                    swing = (1.0 - ice) * (0.8 + 6.0 * std::pow(polar, 1.5)) +
                            ice * 0.6 * landAmplitude;
                    mean = std::min(mean, 28.5);
                }
                annual[cell] = mean;
                amplitude[cell] = swing;
                // Mid-month index of the coldest month: January on land, late February at sea.
                coldest[cell] = (land ? 0.5 : 1.6) + (lat < 0.0 ? 6.0 : 0.0);
            }
        }
    }

    double celsius(int cell, int calendarMonth) const {
        const double phase = TWO_PI * (calendarMonth + 0.5 - coldest[cell]) / 12.0;
        return annual[cell] - amplitude[cell] * std::cos(phase);
    }

  private:
    // Share of land among the neighbouring cells: 1 deep inside a continent, small on a coast.
    static double continentality(int row, int column) {
        int land = 0, all = 0;
        for (int r = std::max(0, row - 2); r <= std::min(ROWS - 1, row + 2); ++r) {
            for (int dc = -3; dc <= 3; ++dc) {
                land += isLand(r, (column + dc + COLUMNS) % COLUMNS) ? 1 : 0;
                ++all;
            }
        }
        return static_cast<double>(land) / all;
    }

    std::vector<double> annual;
    std::vector<double> amplitude;
    std::vector<double> coldest;
};

}  // namespace sampledata
