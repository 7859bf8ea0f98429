#pragma once

#include <cstdint>
#include <vector>

#include "image/PaletteColor.h"

// Finds, for many colours in a row, exactly the entry that a linear nearest-colour search of
// the same entries finds (smallest squared distance, lowest index on a tie), but faster. The
// colour cube is cut into cells; for each cell used, the entries that could be nearest to any
// colour in it are listed once (out of the list of the larger cell around it), and colours are
// compared only with that list. Recent answers
// are also kept in a small cache, since neighbouring pixels repeat colours.
class PaletteSearch {
  public:
    PaletteSearch(const PaletteColor* entries, std::uint32_t count);

    std::uint8_t nearest(PaletteColor color);

  private:
    struct Cell {
        bool listed = false;
        // Entry indices in rising order.
        std::vector<std::uint8_t> candidates;
    };

    std::uint8_t search(PaletteColor color);
    // Lists the candidates of the cell of the given size at the given corner out of `from`.
    void listCandidates(Cell& cell, int size, int red, int green, int blue,
                        const std::vector<std::uint8_t>& from) const;

    std::vector<PaletteColor> entries_;
    std::vector<std::uint8_t> allEntries_;
    // Large cells, listed from all entries; the small cells inside each are listed from it.
    std::vector<Cell> largeCells_;
    std::vector<Cell> cells_;
    // Direct-mapped: slot by a hash of the colour, holding the colour's 24 bits above the
    // entry index found for it.
    std::vector<std::uint32_t> cache_;
};
