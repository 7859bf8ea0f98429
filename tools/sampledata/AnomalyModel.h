#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "Grid.h"
#include "LandMask.h"
#include "Random.h"

namespace sampledata {

// The true monthly temperature anomaly of every cell (degrees C, relative to 1961-90): a forced
// global signal, scaled up towards the Arctic, over land and in winter; a few low-order waves
// whose amplitudes and phases drift from month to month; an ENSO-like oscillation of the
// eastern tropical Pacific; and local weather noise that is larger over land, at high latitudes
// and in winter.
class AnomalyModel {
  public:
    explicit AnomalyModel(std::uint64_t seed) : noiseStream(mix64(seed ^ 0x5eedULL)) {
        SplitMix64 random(seed);
        buildForcedSignal();
        buildEnso(random);
        buildWaves(random);
        buildCellFactors();
        weather.assign(CELLS, 0.0);
        field.assign(CELLS, 0.0);
    }

    // The field of the next month, starting with January of the first year.
    const std::vector<double>& next() {
        const int t = month++;
        const int calendarMonth = t % 12;
        const double forcedNow = forced.at(t);
        const double ensoNow = enso[t];
        const double ensoLagged = enso[std::max(0, t - 3)];
        std::array<double, WAVE_COUNT> cosPhase{}, sinPhase{};
        for (int k = 0; k < WAVE_COUNT; ++k) {
            cosPhase[k] = waveAmplitude[t][k] * std::cos(wavePhase[t][k]);
            sinPhase[k] = waveAmplitude[t][k] * std::sin(wavePhase[t][k]);
        }
        for (int r = 0; r < ROWS; ++r) {
            for (int c = 0; c < COLUMNS; ++c) {
                const int cell = r * COLUMNS + c;
                double wave = 0.0;
                for (int k = 0; k < WAVE_COUNT; ++k) {
                    wave += waveShape[k][r] *
                            (cosPhase[k] * waveCos[k][c] - sinPhase[k] * waveSin[k][c]);
                }
                const double rho = persistence[cell];
                weather[cell] = rho * weather[cell] +
                                std::sqrt(1.0 - rho * rho) * hashedGaussian(noiseStream, t, cell);
                const CellFactors& f = factors[cell];
                field[cell] = f.amplification[calendarMonth] * forcedNow +
                              f.variability[calendarMonth] * (0.75 * wave + 0.66 * weather[cell]) +
                              f.enso * ensoNow + f.teleconnection * ensoLagged;
            }
        }
        return field;
    }

  private:
    static constexpr int WAVE_COUNT = 9;

    struct CellFactors {
        std::array<double, 12> amplification{};
        std::array<double, 12> variability{};
        double enso = 0.0;
        double teleconnection = 0.0;
    };

    // The global mean as forcing would make it, relative to 1961-90 month by month.
    void buildForcedSignal() {
        struct Knot {
            double year, value;
        };
        static constexpr std::array<Knot, 13> knots = {{{1850, -0.36},
                                                        {1862, -0.40},
                                                        {1878, -0.26},
                                                        {1890, -0.44},
                                                        {1910, -0.54},
                                                        {1925, -0.32},
                                                        {1944, 0.02},
                                                        {1950, -0.12},
                                                        {1976, -0.12},
                                                        {1990, 0.18},
                                                        {1998, 0.36},
                                                        {2012, 0.50},
                                                        {2025.99, 1.00}}};
        // Eruptions (decimal year, cooling at the peak a few months later).
        struct Eruption {
            double year, cooling;
        };
        static constexpr std::array<Eruption, 5> eruptions = {
            {{1883.6, 0.25}, {1902.8, 0.12}, {1963.2, 0.15}, {1982.3, 0.15}, {1991.5, 0.30}}};
        forced.resize(MONTHS);
        for (int t = 0; t < MONTHS; ++t) {
            const double y = decimalYear(t);
            std::size_t i = 1;
            while (i + 1 < knots.size() && knots[i].year < y) {
                ++i;
            }
            const double s = (y - knots[i - 1].year) / (knots[i].year - knots[i - 1].year);
            double value = knots[i - 1].value + s * (knots[i].value - knots[i - 1].value);
            for (const Eruption& e : eruptions) {
                const double dt = (y - e.year) / 0.7;
                if (dt > 0.0) {
                    value -= e.cooling * dt * std::exp(1.0 - dt);
                }
            }
            forced[t] = value;
        }
        std::array<double, 12> base{};
        const int first = (1961 - FIRST_YEAR) * 12, last = (1991 - FIRST_YEAR) * 12;
        for (int t = first; t < last; ++t) {
            base[t % 12] += forced[t] / 30.0;
        }
        for (int t = 0; t < MONTHS; ++t) {
            forced[t] -= base[t % 12];
        }
    }

    // A damped oscillation with a period of about four years, scaled to unit deviation.
    void buildEnso(SplitMix64& random) {
        const double r = 0.97, omega = TWO_PI / 46.0;
        const double a1 = 2.0 * r * std::cos(omega), a2 = -r * r;
        enso.resize(MONTHS);
        double previous = 0.0, current = 0.0;
        for (int t = -240; t < MONTHS; ++t) {
            const double nextValue = a1 * current + a2 * previous + random.gaussian();
            previous = current;
            current = nextValue;
            if (t >= 0) {
                enso[t] = current;
            }
        }
        double sumSquares = 0.0;
        for (double e : enso) {
            sumSquares += e * e;
        }
        const double scale = 1.0 / std::sqrt(sumSquares / MONTHS);
        for (double& e : enso) {
            e *= scale;
        }
    }

    // Waves cos^m(lat) * P(sin lat) * cos(m * lon + phase), amplitudes as AR(1), phases drifting.
    void buildWaves(SplitMix64& random) {
        struct Wave {
            int zonal, meridional;
        };
        static constexpr std::array<Wave, WAVE_COUNT> waves = {
            {{0, 1}, {0, 2}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {3, 0}, {3, 1}, {4, 0}}};
        for (int k = 0; k < WAVE_COUNT; ++k) {
            double largest = 0.0;
            for (int r = 0; r < ROWS; ++r) {
                const double s = std::sin(latitude(r) * DEGREE);
                const double p = waves[k].meridional == 0   ? 1.0
                                 : waves[k].meridional == 1 ? s
                                                            : 1.5 * s * s - 0.5;
                waveShape[k][r] = std::pow(std::cos(latitude(r) * DEGREE), waves[k].zonal) * p;
                largest = std::max(largest, std::abs(waveShape[k][r]));
            }
            // Zonal bands stay weak: whole hemispheres do not swing together from month to month.
            const double weight =
                (waves[k].zonal == 0 ? 0.5 : 1.2 / std::sqrt(waves[k].zonal)) / largest;
            for (double& v : waveShape[k]) {
                v *= weight;
            }
            for (int c = 0; c < COLUMNS; ++c) {
                waveCos[k][c] = std::cos(waves[k].zonal * longitude(c) * DEGREE);
                waveSin[k][c] = std::sin(waves[k].zonal * longitude(c) * DEGREE);
            }
        }
        waveAmplitude.resize(MONTHS);
        wavePhase.resize(MONTHS);
        std::array<double, WAVE_COUNT> amplitude{}, phase{}, drift{};
        for (int k = 0; k < WAVE_COUNT; ++k) {
            phase[k] = TWO_PI * random.uniform();
            drift[k] = (0.05 + 0.2 * random.uniform()) * (random.uniform() < 0.5 ? -1.0 : 1.0);
        }
        const double rho = 0.75;
        for (int t = 0; t < MONTHS; ++t) {
            for (int k = 0; k < WAVE_COUNT; ++k) {
                amplitude[k] = rho * amplitude[k] + std::sqrt(1.0 - rho * rho) * random.gaussian();
                phase[k] += drift[k] + 0.3 * random.gaussian();
                waveAmplitude[t][k] = amplitude[k];
                wavePhase[t][k] = phase[k];
            }
        }
    }

    void buildCellFactors() {
        factors.resize(CELLS);
        persistence.resize(CELLS);
        const std::array<double, ROWS> shares = cellAreaShares();
        double meanAmplification = 0.0;
        for (int r = 0; r < ROWS; ++r) {
            const double lat = latitude(r);
            const double polar = std::abs(lat) / 90.0;
            for (int c = 0; c < COLUMNS; ++c) {
                const int cell = r * COLUMNS + c;
                const bool land = isLand(r, c);
                const bool seaIce = !land && (lat > 67.0 || lat < -62.0);
                CellFactors& f = factors[cell];
                for (int m = 0; m < 12; ++m) {
                    // +1 in the local winter, -1 in the local summer.
                    const double winter = std::cos(TWO_PI * m / 12.0) * (lat >= 0.0 ? 1.0 : -1.0);
                    double amp = lat >= 0.0 ? 0.85 + 1.5 * smoothStep((lat - 50.0) / 30.0) *
                                                         (1.0 + 0.35 * winter)
                                            : 0.85 - 0.35 * smoothStep((-lat - 40.0) / 20.0) +
                                                  0.25 * smoothStep((-lat - 65.0) / 20.0);
                    amp *= land ? 1.35 : 0.85;
                    f.amplification[m] = amp;
                    meanAmplification += amp * shares[r] / 12.0;
                    const double sd = land || seaIce ? 0.4 + 2.0 * std::pow(polar, 1.5)
                                                     : 0.3 + 0.6 * polar * polar;
                    f.variability[m] = sd * (1.0 + 0.45 * winter * polar);
                }
                const double east = longitudeEast(longitude(c));
                const double tongue = std::exp(-std::pow(lat / 9.0, 2)) *
                                      std::exp(-std::pow((east - 240.0) / 45.0, 2));
                f.enso = (land ? 0.3 : 1.3) * tongue;
                f.teleconnection = 0.12 * std::exp(-std::pow(lat / 25.0, 2));
                persistence[cell] = land ? 0.25 : seaIce ? 0.35 : 0.6;
            }
        }
        // The forced signal is the global mean, so the amplification averages 1 over the Earth.
        for (CellFactors& f : factors) {
            for (double& a : f.amplification) {
                a /= meanAmplification;
            }
        }
    }

    std::uint64_t noiseStream;
    int month = 0;
    std::vector<double> forced;
    std::vector<double> enso;
    std::array<std::array<double, ROWS>, WAVE_COUNT> waveShape{};
    std::array<std::array<double, COLUMNS>, WAVE_COUNT> waveCos{}, waveSin{};
    std::vector<std::array<double, WAVE_COUNT>> waveAmplitude, wavePhase;
    std::vector<CellFactors> factors;
    std::vector<double> persistence;
    std::vector<double> weather;
    std::vector<double> field;
};

}  // namespace sampledata
