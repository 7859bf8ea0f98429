#include "map/GlobePixelTable.h"

#include <QImage>
#include <memory>

#include "map/GlobeFrame.h"
#include "map/GlobeUnprojection.h"
#include "map/PictureGeometry.h"
#include "map/PictureSampler.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZSurface.h"

namespace {

// Squares of more pixels than this (a scale of 4) are not kept.
constexpr std::int64_t MOST_PIXELS_KEPT = 2001 * 2001;

}  // namespace

GlobePixelTable::Key GlobePixelTable::keyOf(const GlobeFrame& frame,
                                            const PictureGeometry& geometry, const ZBitmap& flat) {
    Key key;
    key.frame = GlobeFrameKey::of(frame);
    key.radiusX = geometry.radiusX;
    key.radiusY = geometry.radiusY;
    key.flatWidth = flat.getWidth();
    key.flatHeight = flat.getHeight();
    key.flatStride = flat.image().bytesPerLine() / 4;
    return key;
}

bool GlobePixelTable::worthKeeping(const PictureGeometry& geometry) {
    std::int64_t width = 2 * static_cast<std::int64_t>(geometry.radiusX) + 1;
    std::int64_t height = 2 * static_cast<std::int64_t>(geometry.radiusY) + 1;
    return width * height <= MOST_PIXELS_KEPT;
}

GlobePixelTable::GlobePixelTable(const GlobeFrame& frame, const PictureGeometry& geometry,
                                 const ZBitmap& flat)
    : key_(keyOf(frame, geometry, flat)),
      left_(frame.cx - geometry.radiusX),
      top_(frame.cy - geometry.radiusY),
      width_(2 * geometry.radiusX + 1),
      height_(2 * geometry.radiusY + 1),
      diameterX_(geometry.diameterX),
      diameterY_(geometry.diameterY),
      source_(static_cast<std::size_t>(width_) * height_, -1) {
    PictureSampler picture(flat);
    unprojectGlobeSquare(frame, geometry.radiusX, geometry.radiusY,
                         [&](int i, const std::vector<GlobePoint>& column) {
                             for (int j = 0; j < height_; ++j) {
                                 const GlobePoint& point = column[j];
                                 if (point.inside) {
                                     source_[static_cast<std::size_t>(j) * width_ + i] =
                                         static_cast<std::int32_t>(
                                             picture.offsetAt(point.angles.lon, point.angles.lat));
                                 }
                             }
                         });
}

void GlobePixelTable::draw(ZSurface& surface, const ZBitmap& flat, ZProgress* progress) const {
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(flat.image().constBits());
    // Every pixel of the block is written below, so neither is cleared first.
    auto rgb = std::make_unique_for_overwrite<std::uint32_t[]>(source_.size());
    auto mask = std::make_unique_for_overwrite<std::uint8_t[]>(source_.size());
    // The percentage refers to the product of the diameters, and the square visited is a little
    // larger, so the last rows may report 101.
    if (progress != nullptr) {
        progress->begin(static_cast<std::uint64_t>(diameterX_) * diameterY_);
    }
    for (int j = 0; j < height_; ++j) {
        std::size_t row = static_cast<std::size_t>(j) * width_;
        for (std::size_t at = row; at < row + width_; ++at) {
            std::int32_t from = source_[at];
            bool inside = from >= 0;
            rgb[at] = inside ? pixels[from] & 0x00FFFFFFu : 0u;
            mask[at] = inside ? 1 : 0;
        }
        if (progress != nullptr) {
            progress->advance(width_);
        }
    }
    surface.drawPixels(left_, top_, width_, height_, rgb.get(), mask.get());
}

std::size_t GlobePixelTable::bytes() const {
    return sizeof(*this) + source_.capacity() * sizeof(std::int32_t);
}
