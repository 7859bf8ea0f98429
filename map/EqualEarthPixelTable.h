#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/MapScale.h"
#include "toolkit/ui/ZRect.h"

class ZProgress;
class ZBitmap;
class ZSurface;
struct PictureGeometry;

// Which pixel of the flat image each pixel of an equal-area map shows, for a band of the
// picture's rows. The inverse projection depends on the scale and the flat image's size, not on
// the month: worked out once, it lets a month step copy pixels through the table. Never changed
// once made, so a table may be shared between renderers on different threads.
class EqualEarthPixelTable {
  public:
    struct Key {
        MapScale scale;
        ZRect band;
        int flatWidth = 0;
        int flatHeight = 0;
        std::ptrdiff_t flatStride = 0;

        bool operator==(const Key&) const = default;
    };

    static Key keyOf(const MapScale& scale, const ZRect& band, const ZBitmap& flat);

    // Whether a table for the whole map is kept; the tenfold metafile picture is drawn in bands.
    static bool worthKeeping(const PictureGeometry& geometry);

    // Unprojects every pixel of the band, on two threads; the flat image must not be empty.
    EqualEarthPixelTable(const Key& key, const ZBitmap& flat);

    const Key& key() const { return key_; }

    // The map's pixels of the band in the colours of the flat image (of this table's key); pixels
    // off the map are white when opaque, otherwise left as they are. Each row counts its pixels
    // as progress steps.
    void draw(ZSurface& surface, const ZBitmap& flat, ZProgress* progress, bool opaque) const;

    std::size_t bytes() const;

  private:
    Key key_;
    // Row by row over the band: the flat image's pixel index, or -1 off the map.
    std::vector<std::int32_t> source_;
};

// The whole map through tables of bands made and dropped one after the other, for pictures too
// large to keep one table for.
void drawEqualEarthInBands(ZSurface& surface, const MapScale& scale, const ZRect& map,
                           const ZBitmap& flat, ZProgress* progress);
