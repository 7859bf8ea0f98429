#include "map/EqualEarthPixelTable.h"

#include <QImage>
#include <algorithm>
#include <thread>

#include "map/EqualEarth.h"
#include "map/PictureGeometry.h"
#include "map/PictureSampler.h"
#include "map/VectorState.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZSurface.h"

namespace {

// Maps of more pixels than this (a scale of about 4) are not kept.
constexpr std::int64_t MOST_PIXELS_KEPT = 4000 * 2000;
constexpr int BAND_ROWS = 256;

}  // namespace

EqualEarthPixelTable::Key EqualEarthPixelTable::keyOf(const MapScale& scale, const ZRect& band,
                                                      const ZBitmap& flat) {
    return Key{scale, band, flat.getWidth(), flat.getHeight(), flat.image().bytesPerLine() / 4};
}

bool EqualEarthPixelTable::worthKeeping(const PictureGeometry& geometry) {
    const ZRect& map = geometry.mapRectangle;
    return std::int64_t{map.width()} * map.height() <= MOST_PIXELS_KEPT;
}

EqualEarthPixelTable::EqualEarthPixelTable(const Key& key, const ZBitmap& flat)
    : key_(key), source_(static_cast<std::size_t>(key.band.width()) * key.band.height(), -1) {
    PictureSampler picture(flat);
    EqualEarthFrame frame(key.scale);
    const ZRect& band = key.band;
    auto rows = [&](int first, int last) {
        clearVectorUpperState();
        for (int y = first; y < last; ++y) {
            std::int32_t* row = &source_[static_cast<std::size_t>(y - band.top) * band.width()];
            for (int x = band.left; x < band.right; ++x) {
                // Pixel coordinates as the read-out takes them, so that what a pixel shows is
                // what the status bar names for it.
                GeoAngles at;
                if (frame.toPlace(x, y, at)) {
                    row[x - band.left] =
                        static_cast<std::int32_t>(picture.offsetAt(at.lon, at.lat));
                }
            }
        }
    };
    if (std::thread::hardware_concurrency() > 1) {
        int split = (band.top + band.bottom) / 2;
        std::jthread lower(rows, split, band.bottom);
        rows(band.top, split);
    } else {
        rows(band.top, band.bottom);
    }
}

void EqualEarthPixelTable::draw(ZSurface& surface, const ZBitmap& flat, ZProgress* progress,
                                bool opaque) const {
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(flat.image().constBits());
    int width = key_.band.width();
    int height = key_.band.height();
    QImage block(width, height, QImage::Format_RGB32);
    std::vector<std::uint8_t> mask(opaque ? 0 : source_.size());
    for (int j = 0; j < height; ++j) {
        auto* line = reinterpret_cast<std::uint32_t*>(block.scanLine(j));
        const std::int32_t* from = &source_[static_cast<std::size_t>(j) * width];
        for (int i = 0; i < width; ++i) {
            line[i] = from[i] >= 0 ? pixels[from[i]] : 0xFFFFFFFFu;
        }
        if (!opaque) {
            for (int i = 0; i < width; ++i) {
                mask[static_cast<std::size_t>(j) * width + i] = from[i] >= 0 ? 1 : 0;
            }
        }
        if (progress != nullptr) {
            progress->advance(width);
        }
    }
    if (opaque) {
        // Off the map the block is as white as the picture beneath it, so it is copied whole:
        // on a raster surface a plain copy, far cheaper than masked pixels.
        ZBitmap picture;
        picture.create(block);
        surface.stretchBitmap(picture, ZRect{0, 0, width, height}, key_.band);
    } else {
        surface.drawPixels(key_.band.left, key_.band.top, width, height,
                           reinterpret_cast<const std::uint32_t*>(block.constBits()), mask.data());
    }
}

std::size_t EqualEarthPixelTable::bytes() const {
    return sizeof(*this) + source_.capacity() * sizeof(std::int32_t);
}

void drawEqualEarthInBands(ZSurface& surface, const MapScale& scale, const ZRect& map,
                           const ZBitmap& flat, ZProgress* progress) {
    for (int top = map.top; top < map.bottom; top += BAND_ROWS) {
        ZRect band{map.left, top, map.right, std::min(top + BAND_ROWS, map.bottom)};
        EqualEarthPixelTable(EqualEarthPixelTable::keyOf(scale, band, flat), flat)
            .draw(surface, flat, progress, false);
    }
}
