#pragma once

#include <cstdint>

namespace sampledata {

// splitmix64: the same numbers on every platform and library version, unlike the standard
// distributions, so the sample files are identical wherever they are generated.
inline constexpr std::uint64_t GOLDEN_GAMMA = 0x9e3779b97f4a7c15ULL;

inline std::uint64_t finalise64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
inline std::uint64_t mix64(std::uint64_t x) {
    return finalise64(x + GOLDEN_GAMMA);
}

// Approximately standard normal from 64 random bits: the sum of four 16-bit uniforms, scaled.
// Tails end at about 3.5 sigma, which suits bounded noise.
inline double gaussianFromBits(std::uint64_t bits) {
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) {
        sum += static_cast<double>((bits >> (16 * i)) & 0xffffU);
    }
    constexpr double mean = 4 * 65535.0 / 2.0;
    constexpr double sd = 37837.227237;  // sqrt(4 * (65536^2 - 1) / 12)
    return (sum - mean) / sd;
}

// Noise addressed by (stream, month, cell), independent of the order in which it is drawn.
inline double hashedGaussian(std::uint64_t stream, int month, int cell) {
    return gaussianFromBits(mix64(mix64(mix64(stream) + month) + cell));
}
inline double hashedUniform(std::uint64_t stream, int month, int cell) {
    return static_cast<double>(mix64(mix64(mix64(stream) + month) + cell) >> 11) * 0x1.0p-53;
}

// Sequential generator for the slowly varying series.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state(seed) {}
    std::uint64_t next() {
        state += GOLDEN_GAMMA;
        return finalise64(state);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double gaussian() { return gaussianFromBits(next()); }

  private:
    std::uint64_t state;
};

}  // namespace sampledata
