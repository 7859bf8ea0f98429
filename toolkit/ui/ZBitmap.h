#pragma once

#include <QImage>

#include "toolkit/ZString.h"
#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZRect.h"

class ZSurface;

// A picture in memory: opened from JPEG, saved as JPEG or PNG, created from a rendered image,
// read pixel by pixel and stretched onto a drawing surface.
class ZBitmap {
  public:
    ZBitmap() = default;

    // Loads a JPEG file; raises ZBitmapException (and leaves the bitmap empty) when the file is
    // missing or not a readable JPEG.
    void open(const ZString& name);
    void close() { image_ = QImage(); }
    // Write the picture as JPEG at a quality of 0..100, or as PNG, into a new file that replaces
    // the named one only when complete; raise ZBitmapException, naming the reason, on failure.
    void save(const ZString& name, int quality) const;
    void savePng(const ZString& name) const;
    // Takes a copy of a rendered image.
    void create(const QImage& image);

    bool isEmpty() const { return image_.isNull(); }
    int getWidth() const { return image_.width(); }
    int getHeight() const { return image_.height(); }
    // Colour at (x, y) as 0x00BBGGRR; 0 outside the picture.
    ZColour getPixel(int x, int y) const;
    void toDevice(ZSurface& surface, const ZRect& source, const ZRect& dest) const;

    // The pixels, always in QImage::Format_RGB32.
    const QImage& image() const { return image_; }

  private:
    void write(const ZString& name, const char* format, int quality) const;

    QImage image_;
};
