#include "map/PictureSampler.h"

#include <QImage>
#include <cstdlib>

#include "map/MapConstants.h"
#include "map/PictureGeometry.h"
#include "toolkit/ui/ZBitmap.h"

PictureSampler::PictureSampler(const ZBitmap& picture)
    : pixels_(picture.image().constBits()),
      bytesPerLine_(picture.image().bytesPerLine()),
      width_(picture.getWidth()),
      height_(picture.getHeight()) {}

std::uint32_t PictureSampler::rgbAt(double lon, double lat) const {
    if (isEmpty()) {
        return 0;
    }
    return reinterpret_cast<const std::uint32_t*>(pixels_)[offsetAt(lon, lat)] & 0x00FFFFFFu;
}

std::ptrdiff_t PictureSampler::offsetAt(double lon, double lat) const {
    int x = roundPixel((lon + PI) * INV_TWO_PI * static_cast<double>(width_));
    int y = std::abs(roundPixel((lat - HALF_PI) * INV_PI * static_cast<double>(height_)));
    if (x >= width_) {
        x %= width_;
    } else if (x < 0) {
        x = (width_ - std::abs(x) % width_) % width_;
    }
    // The south pole itself lies one row past the picture: it shows the last row.
    if (y >= height_) {
        y = height_ - 1;
    }
    return y * (bytesPerLine_ / 4) + x;
}
