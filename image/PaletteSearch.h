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

    std::uint8_t nearest(PaletteColor color);

  private:
    // A cell's candidates are count entries from first on in its candidate array.
    struct Cell {
        std::uint32_t first = 0;
        std::uint32_t count = NOT_LISTED;
    };
    static constexpr std::uint32_t NOT_LISTED = 0xFFFFFFFFu;

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
