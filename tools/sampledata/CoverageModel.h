#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "Grid.h"
#include "LandMask.h"
#include "Random.h"

namespace sampledata {

// Which observing network a dataset draws on: the extended one adds stations, mostly in the
// Arctic, to everything the standard one has.
enum class Network { Standard, Extended };

// Which cells have observations in a month. Every cell has an onset year around which its
// station or shipping coverage builds up, a ceiling it never quite passes, and a fixed rank that
// keeps a covered cell covered in later months; a little month-to-month jitter makes cells near
// their threshold come and go. The world wars thin out the shipping reports.
class CoverageModel {
  public:
    explicit CoverageModel(std::uint64_t seed) : jitterStream(mix64(seed ^ 0xc0feULL)) {
        SplitMix64 random(seed);
        cells.resize(CELLS);
        for (int r = 0; r < ROWS; ++r) {
            for (int c = 0; c < COLUMNS; ++c) {
                const bool land = isLand(r, c);
                Onset onset = land ? landOnset(latitude(r), longitude(c))
                                   : oceanOnset(latitude(r), longitude(c));
                onset.year += onset.spread * random.gaussian();
                onset.ceiling *= 0.92 + 0.08 * random.uniform();
                cells[r * COLUMNS + c] = {onset, land, latitude(r), 0.0};
            }
        }
        assignClusteredRanks(random);
    }

    bool observed(int t, int cell, Network network) const {
        const CellHistory& h = cells[cell];
        const double year = decimalYear(t);
        const double established = 1.0 / (1.0 + std::exp(-(year - h.onset.year) / h.onset.width));
        double p = h.onset.ceiling * established;
        if (!h.land) {
            p *= shippingInWar(year);
        }
        if (network == Network::Extended) {
            const double arctic =
                h.land && h.latitude > 60.0 ? 0.45 / (1.0 + std::exp(-(year - 1950.0) / 5.0)) : 0.0;
            p = std::max(p, std::min(0.99, p + (1.0 - p) * (0.08 * established + arctic)));
        }
        return 0.75 * h.rank + 0.25 * hashedUniform(jitterStream, t, cell) < p;
    }

  private:
    struct Onset {
        double year;          // when half of the final coverage is reached
        double width;         // years of the build-up
        double ceiling;       // the share of months with data once established
        double spread = 4.0;  // how much the onset varies between neighbouring cells
    };

    struct CellHistory {
        Onset onset;
        bool land;
        double latitude;
        double rank;
    };

    // Ranks uniform over 0..1 but alike in neighbouring cells, so that stations and ship tracks
    // come in clusters rather than as scattered single cells.
    void assignClusteredRanks(SplitMix64& random) {
        std::vector<double> noise(CELLS);
        for (double& n : noise) {
            n = random.uniform();
        }
        std::vector<std::pair<double, int>> blurred(CELLS);
        for (int r = 0; r < ROWS; ++r) {
            for (int c = 0; c < COLUMNS; ++c) {
                double sum = 0.0;
                for (int dr = -1; dr <= 1; ++dr) {
                    for (int dc = -2; dc <= 2; ++dc) {
                        const int rr = std::clamp(r + dr, 0, ROWS - 1);
                        sum += noise[rr * COLUMNS + (c + dc + COLUMNS) % COLUMNS];
                    }
                }
                const int cell = r * COLUMNS + c;
                blurred[cell] = {sum + noise[cell], cell};
            }
        }
        std::sort(blurred.begin(), blurred.end());
        for (int i = 0; i < CELLS; ++i) {
            cells[blurred[i].second].rank = (i + 0.5) / CELLS;
        }
    }

    static bool inBox(double lat, double lon, double south, double north, double west,
                      double east) {
        return lat >= south && lat <= north && lon >= west && lon <= east;
    }

    // Land stations: Europe and eastern North America first, then India, the colonies' coasts,
    // Siberia and the interiors, the high Arctic around 1950 and Antarctica with 1957.
    static Onset landOnset(double lat, double lon) {
        if (lat < -75.0) {
            return {1957.5, 0.6, 0.25, 1.0};  // the Antarctic interior: a handful of stations
        }
        if (lat < -60.0) {
            return {1957.5, 0.6, 0.75, 1.0};
        }
        if (inBox(lat, lon, 60.0, 84.0, -75.0, -10.0)) {
            return {1905, 12, 0.6};  // Greenland: coast stations, an empty ice sheet
        }
        if (lat > 75.0) {
            return {1948, 6, 0.55};
        }
        if (inBox(lat, lon, 35.0, 72.0, -12.0, 40.0)) {
            return {1835, 8, 0.98};
        }
        if (inBox(lat, lon, 25.0, 55.0, -100.0, -52.0)) {
            return {1840, 8, 0.98};
        }
        if (inBox(lat, lon, 40.0, 72.0, 40.0, 60.0)) {
            return {1848, 8, 0.97};
        }
        if (inBox(lat, lon, 5.0, 35.0, 65.0, 95.0)) {
            return {1850, 8, 0.96};
        }
        if (inBox(lat, lon, -36.0, -28.0, 15.0, 32.0) ||
            inBox(lat, lon, -40.0, -30.0, 140.0, 155.0)) {
            return {1855, 8, 0.95};  // the Cape and south-east Australia
        }
        if (inBox(lat, lon, 25.0, 62.0, -130.0, -100.0)) {
            return {1866, 10, 0.97};
        }
        if (inBox(lat, lon, 55.0, 75.0, -170.0, -52.0)) {
            return {1925, 12, 0.85};
        }
        if (inBox(lat, lon, 20.0, 50.0, 95.0, 150.0)) {
            return {1890, 12, 0.95};
        }
        if (inBox(lat, lon, 45.0, 75.0, 60.0, 180.0)) {
            return {1900, 15, 0.9};
        }
        if (inBox(lat, lon, -45.0, -10.0, 110.0, 155.0)) {
            return {1872, 15, 0.92};
        }
        if (inBox(lat, lon, -15.0, 5.0, -75.0, -50.0)) {
            return {1935, 15, 0.8};  // Amazonia
        }
        if (inBox(lat, lon, -56.0, 13.0, -82.0, -34.0)) {
            return {1895, 20, 0.92};
        }
        if (inBox(lat, lon, -36.0, -15.0, 10.0, 42.0)) {
            return {1880, 15, 0.92};
        }
        if (inBox(lat, lon, 15.0, 30.0, -15.0, 30.0)) {
            return {1910, 15, 0.7};  // the Sahara
        }
        if (inBox(lat, lon, 15.0, 38.0, -18.0, 35.0)) {
            return {1880, 15, 0.9};
        }
        if (inBox(lat, lon, 15.0, 50.0, 35.0, 95.0)) {
            return {1905, 15, 0.88};
        }
        if (inBox(lat, lon, -15.0, 15.0, -18.0, 52.0)) {
            return {1925, 15, 0.75};
        }
        return {1920, 15, 0.9};
    }

    // Ships: the North Atlantic and the routes to India first, the Pacific later, the Southern
    // Ocean after the Second World War, the ice-covered Arctic hardly ever.
    static Onset oceanOnset(double lat, double lon) {
        if (lat > 80.0) {
            return {1990, 10, 0.05};
        }
        if (lat > 70.0) {
            return {1950, 10, 0.35};
        }
        if (lat < -60.0) {
            return {1970, 10, 0.3};
        }
        if (lat < -45.0) {
            return {1925, 20, 0.6};
        }
        if (inBox(lat, lon, 30.0, 46.0, -5.0, 40.0)) {
            return {1845, 8, 0.97};  // the Mediterranean
        }
        if (inBox(lat, lon, 0.0, 60.0, -80.0, 0.0)) {
            return {1849, 10, 0.97};
        }
        if (inBox(lat, lon, 60.0, 70.0, -50.0, 20.0)) {
            return {1880, 15, 0.9};
        }
        if (inBox(lat, lon, -40.0, 25.0, 20.0, 100.0)) {
            return {1856, 12, 0.95};
        }
        if (inBox(lat, lon, -45.0, 0.0, -70.0, 20.0)) {
            return {1862, 15, 0.93};
        }
        if (lat >= 0.0 && (lon >= 120.0 || lon <= -100.0)) {
            return {1890, 15, 0.93};
        }
        if (lat < 0.0 && (lon >= 150.0 || lon <= -70.0)) {
            return {1905, 20, 0.88};
        }
        return {1900, 20, 0.9};
    }

    static double shippingInWar(double year) {
        if (year >= 1914.6 && year < 1918.9) {
            return 0.7;
        }
        if (year >= 1939.7 && year < 1945.7) {
            return 0.5;
        }
        return 1.0;
    }

    std::uint64_t jitterStream;
    std::vector<CellHistory> cells;
};

}  // namespace sampledata
