#pragma once

#include <cstddef>
#include <cstdint>

class ZBitmap;

// Reads an equirectangular world picture at longitudes and latitudes in radians exactly as
// samplePicture does, for the many reads of one pass: the picture's size and pixels are looked
// up once. Colours come as 0x00RRGGBB, the way pixel blocks take them; an empty picture reads
// black.
class PictureSampler {
  public:
    explicit PictureSampler(const ZBitmap& picture);

    std::uint32_t rgbAt(double lon, double lat) const;
    // Where rgbAt reads: the pixel's index counted in 32-bit pixels from the first, rows
    // bytesPerLine / 4 apart. Only for a picture that is not empty.
    std::ptrdiff_t offsetAt(double lon, double lat) const;
    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }

  private:
    const std::uint8_t* pixels_;
    std::ptrdiff_t bytesPerLine_;
    int width_;
    int height_;
};
