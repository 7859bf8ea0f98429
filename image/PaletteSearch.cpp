#include "image/PaletteSearch.h"

#include <algorithm>

namespace {

constexpr int CACHE_BITS = 16;
constexpr std::uint32_t EMPTY_KEY = 0xFFFFFFFFu;

std::uint32_t colorKey(PaletteColor c) {
    return (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | c.blue;
}

}  // namespace

PaletteSearch::PaletteSearch(const PaletteColor* entries, std::uint32_t count)
    : cacheKeys_(std::size_t(1) << CACHE_BITS, EMPTY_KEY),
      cacheIndices_(std::size_t(1) << CACHE_BITS, 0) {
    // Indices are bytes; a larger table would not be searched beyond them.
    count = std::min<std::uint32_t>(count, 256);
    byGreen_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        byGreen_.push_back(
            {entries[i].green, entries[i].red, entries[i].blue, static_cast<std::uint8_t>(i)});
    }
    std::stable_sort(byGreen_.begin(), byGreen_.end(),
                     [](const Entry& a, const Entry& b) { return a.green < b.green; });
}

std::uint8_t PaletteSearch::nearest(PaletteColor color) {
    std::uint32_t key = colorKey(color);
    std::uint32_t slot = (key * 2654435761u) >> (32 - CACHE_BITS);
    if (cacheKeys_[slot] != key) {
        cacheKeys_[slot] = key;
        cacheIndices_[slot] = search(color);
    }
    return cacheIndices_[slot];
}

std::uint8_t PaletteSearch::search(PaletteColor color) const {
    // The linear search keeps the first of equal distances, i.e. it finds the smallest
    // (distance, index) pair; the same pair is found here in another visiting order.
    int best = 200000;
    int bestIndex = 0;
    auto consider = [&](const Entry& e) {
        int dr = e.red - color.red;
        int dg = e.green - color.green;
        int db = e.blue - color.blue;
        int d = dr * dr + dg * dg + db * db;
        if (d < best || (d == best && e.index < bestIndex)) {
            best = d;
            bestIndex = e.index;
        }
    };
    auto start = std::lower_bound(byGreen_.begin(), byGreen_.end(), int(color.green),
                                  [](const Entry& e, int green) { return e.green < green; });
    // Upwards from the first entry not below the colour's green, downwards from the one before.
    for (auto it = start; it != byGreen_.end(); ++it) {
        int dg = it->green - color.green;
        if (dg * dg > best) {
            break;
        }
        consider(*it);
    }
    for (auto it = start; it != byGreen_.begin();) {
        --it;
        int dg = color.green - it->green;
        if (dg * dg > best) {
            break;
        }
        consider(*it);
    }
    return static_cast<std::uint8_t>(bestIndex);
}
