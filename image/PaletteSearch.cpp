#include "image/PaletteSearch.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Small cells of 16 values per channel (16 x 16 x 16 of them) inside large cells of 64.
constexpr int CELL_SHIFT = 4;
constexpr int CELL_SIZE = 1 << CELL_SHIFT;
constexpr int CELLS_PER_CHANNEL = 256 / CELL_SIZE;
constexpr int LARGE_SHIFT = 6;
constexpr int LARGE_SIZE = 1 << LARGE_SHIFT;
constexpr int LARGE_PER_CHANNEL = 256 / LARGE_SIZE;

// Squared distances from a value to the nearest and to the farthest value of [low, high].
int nearestSquare(int value, int low, int high) {
    int d = value < low ? low - value : (value > high ? value - high : 0);
    return d * d;
}

int farthestSquare(int value, int low, int high) {
    int d = std::max(std::abs(value - low), std::abs(value - high));
    return d * d;
}

}  // namespace

PaletteSearch::PaletteSearch(const PaletteColor* entries, std::uint32_t count)
    : largeCells_(LARGE_PER_CHANNEL * LARGE_PER_CHANNEL * LARGE_PER_CHANNEL),
      cells_(CELLS_PER_CHANNEL * CELLS_PER_CHANNEL * CELLS_PER_CHANNEL),
      cache_(std::size_t(1) << CACHE_BITS, 0) {
    // Indices are bytes; a larger table would not be searched beyond them.
    count = std::min<std::uint32_t>(count, 256);
    for (std::uint32_t i = 0; i < count; ++i) {
        PaletteColor e = entries[i];
        e.reserved = static_cast<std::uint8_t>(i);
        entries_.push_back(e);
    }
    // An unused slot must not answer for any colour: 0 stands for black, which only ever
    // looks in its own slot, and that one starts with a colour that never looks there.
    static_assert(cacheSlot(0) == 0 && cacheSlot(1) != 0);
    cache_[0] = 1u << 8;
}

PaletteSearch::Cell PaletteSearch::listCandidates(int size, int red, int green, int blue,
                                                  const PaletteColor* from, std::uint32_t count,
                                                  std::vector<PaletteColor>& to) {
    // The nearest entry of any colour in the cell is no farther from it than the entry whose
    // farthest point of the cell is closest; an entry whose nearest point of the cell is
    // beyond that bound can never win, not even a tie. The entries that can win in a small
    // cell can win in the large cell around it too, and the bound's entry is among them.
    const int top = size - 1;
    int bound = 200000;
    for (std::uint32_t k = 0; k < count; ++k) {
        const PaletteColor& e = from[k];
        bound = std::min(bound, farthestSquare(e.red, red, red + top) +
                                    farthestSquare(e.green, green, green + top) +
                                    farthestSquare(e.blue, blue, blue + top));
    }
    Cell cell{static_cast<std::uint32_t>(to.size()), 0};
    for (std::uint32_t k = 0; k < count; ++k) {
        const PaletteColor& e = from[k];
        if (nearestSquare(e.red, red, red + top) + nearestSquare(e.green, green, green + top) +
                nearestSquare(e.blue, blue, blue + top) <=
            bound) {
            to.push_back(e);
            ++cell.count;
        }
    }
    return cell;
}

std::uint8_t PaletteSearch::search(PaletteColor color) {
    const int cellRed = color.red >> CELL_SHIFT;
    const int cellGreen = color.green >> CELL_SHIFT;
    const int cellBlue = color.blue >> CELL_SHIFT;
    Cell& cell = cells_[(cellRed * CELLS_PER_CHANNEL + cellGreen) * CELLS_PER_CHANNEL + cellBlue];
    if (cell.count == NOT_LISTED) {
        const int largeRed = color.red >> LARGE_SHIFT;
        const int largeGreen = color.green >> LARGE_SHIFT;
        const int largeBlue = color.blue >> LARGE_SHIFT;
        Cell& large = largeCells_[(largeRed * LARGE_PER_CHANNEL + largeGreen) * LARGE_PER_CHANNEL +
                                  largeBlue];
        if (large.count == NOT_LISTED) {
            large = listCandidates(LARGE_SIZE, largeRed * LARGE_SIZE, largeGreen * LARGE_SIZE,
                                   largeBlue * LARGE_SIZE, entries_.data(),
                                   static_cast<std::uint32_t>(entries_.size()), largeCandidates_);
        }
        cell = listCandidates(CELL_SIZE, cellRed * CELL_SIZE, cellGreen * CELL_SIZE,
                              cellBlue * CELL_SIZE, largeCandidates_.data() + large.first,
                              large.count, candidates_);
    }
    // Distance and index in one number: the smallest is the nearest entry, and among equal
    // distances the lowest index, as in the linear search. Taking the minimum needs no branch.
    int best = 200000 << 8;
    const PaletteColor* candidate = candidates_.data() + cell.first;
    for (std::uint32_t k = 0; k < cell.count; ++k) {
        int dr = candidate[k].red - color.red;
        int dg = candidate[k].green - color.green;
        int db = candidate[k].blue - color.blue;
        best = std::min(best, ((dr * dr + dg * dg + db * db) << 8) | candidate[k].reserved);
    }
    return static_cast<std::uint8_t>(best & 0xFF);
}
