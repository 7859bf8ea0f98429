#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/GlobeFrame.h"

class ZProgress;
class ZBitmap;
class ZSurface;
struct PictureGeometry;

// Which pixel of the flat image each pixel of the globe shows, for one view. The inverse
// projections with their quadrant correction and the picture look-up depend only on the pixel,
// the globe's centre pixel, the view centre, the scale and the flat image's size, not on the
// month: worked out once, they let a month step copy pixels through the table. Never changed
// once made, so a table may be shared between renderers on different threads.
class GlobePixelTable {
  public:
    // What the table depends on.
    struct Key {
        GlobeFrameKey frame;
        int radiusX = 0;
        int radiusY = 0;
        int flatWidth = 0;
        int flatHeight = 0;
        std::ptrdiff_t flatStride = 0;

        bool operator==(const Key&) const = default;
    };

    static Key keyOf(const GlobeFrame& frame, const PictureGeometry& geometry, const ZBitmap& flat);

    // Whether tables are kept for pictures of this geometry. The tenfold metafile picture would
    // need one of 100 MB for a single pass; it is drawn pixel by pixel as before.
    static bool worthKeeping(const PictureGeometry& geometry);

    // Unprojects every pixel of the square around the disc, on two threads; the flat image must
    // not be empty.
    GlobePixelTable(const GlobeFrame& frame, const PictureGeometry& geometry, const ZBitmap& flat);

    const Key& key() const { return key_; }

    // The disc's pixels in the colours of the flat image (of this table's key) as one block;
    // pixels outside the disc are left as they are. Progress as drawGlobePixels sends it.
    void draw(ZSurface& surface, const ZBitmap& flat, ZProgress* progress) const;

    // The memory the table holds.
    std::size_t bytes() const;

  private:
    Key key_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    int diameterX_ = 0;
    int diameterY_ = 0;
    // Row by row over the square: the flat image's pixel index, or -1 outside the disc.
    std::vector<std::int32_t> source_;
};
