#pragma once

#include <cstdint>
#include <vector>

#include "image/PaletteColor.h"

// Finds, for many colours in a row, exactly the entry that a linear nearest-colour search of
// the same entries finds (smallest squared distance, lowest index on a tie), but faster: the
// entries are sorted by green so the search stops once the green difference alone is too far,
// and recent answers are kept in a small cache, since neighbouring pixels repeat colours.
class PaletteSearch {
  public:
    PaletteSearch(const PaletteColor* entries, std::uint32_t count);

    std::uint8_t nearest(PaletteColor color);

  private:
    struct Entry {
        int green;
        int red;
        int blue;
        std::uint8_t index;
    };

    std::uint8_t search(PaletteColor color) const;

    std::vector<Entry> byGreen_;
    // Direct-mapped: slot by a hash of the colour; the key is the colour's 24 bits, or
    // EMPTY_KEY for a slot not yet used.
    std::vector<std::uint32_t> cacheKeys_;
    std::vector<std::uint8_t> cacheIndices_;
};
