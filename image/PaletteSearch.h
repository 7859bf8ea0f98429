#pragma once

#include <cstdint>
#include <vector>

#include "image/PaletteColor.h"

// Finds, for many colours in a row, exactly the entry that a linear nearest-colour search of
// the same entries finds (smallest squared distance, lowest index on a tie), but faster. The
// colour cube is cut into cells; for each cell used, the entries that could be nearest to any
// colour in it are listed once (out of the list of the larger cell around it), and colours are
// compared only with that list. Recent answers are also kept in a small cache, since
// neighbouring pixels repeat colours.
class PaletteSearch {
  public:
    PaletteSearch(const PaletteColor* entries, std::uint32_t count);

    std::uint8_t nearest(PaletteColor color) {
        // Inline: most colours are answered from the cache.
        std::uint32_t key =
            (std::uint32_t(color.red) << 16) | (std::uint32_t(color.green) << 8) | color.blue;
        std::uint32_t& slot = cache_[cacheSlot(key)];
        if ((slot >> 8) != key) {
            slot = (key << 8) | search(color);
        }
        return static_cast<std::uint8_t>(slot & 0xFF);
    }

  private:
    // A cell's candidates are count entries from first on in its candidate array.
    struct Cell {
        std::uint32_t first = 0;
        std::uint32_t count = NOT_LISTED;
    };
    static constexpr std::uint32_t NOT_LISTED = 0xFFFFFFFFu;

    static constexpr int CACHE_BITS = 16;
    static constexpr std::uint32_t cacheSlot(std::uint32_t key) {
        return (key * 2654435761u) >> (32 - CACHE_BITS);
    }

    std::uint8_t search(PaletteColor color);
    // Appends to `to` those of the `count` entries at `from` that can be nearest to a colour
    // in the cell of the given size at the given corner. The candidates carry their entry
    // index in the reserved byte, in rising order.
    static Cell listCandidates(int size, int red, int green, int blue, const PaletteColor* from,
                               std::uint32_t count, std::vector<PaletteColor>& to);

    std::vector<PaletteColor> entries_;
    std::vector<Cell> largeCells_;
    std::vector<PaletteColor> largeCandidates_;
    std::vector<Cell> cells_;
    std::vector<PaletteColor> candidates_;
    // Direct-mapped: slot by a hash of the colour, holding the colour's 24 bits above the
    // entry index found for it.
    std::vector<std::uint32_t> cache_;
};
