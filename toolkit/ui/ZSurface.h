#pragma once

#include <cstdint>

#include "toolkit/ZString.h"
#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZFont.h"
#include "toolkit/ui/ZRect.h"

class ZBitmap;
class ZLineLayer;

// Text placement flags of drawText; combine with |.
enum ZTextFlags : unsigned {
    Z_TEXT_LEFT = 0x0,
    Z_TEXT_CENTER = 0x1,
    Z_TEXT_RIGHT = 0x2,
    Z_TEXT_VCENTER = 0x4,
    Z_TEXT_BOTTOM = 0x8,
    Z_TEXT_SINGLELINE = 0x20,
};

// Where a text of width x height lands in the rectangle by the placement flags; every surface
// places its texts alike.
inline ZRect zTextBox(const ZRect& rect, unsigned flags, int width, int height) {
    int x = rect.left;
    if (flags & Z_TEXT_CENTER) {
        x = (rect.left + rect.right - width) / 2;
    } else if (flags & Z_TEXT_RIGHT) {
        x = rect.right - width;
    }
    int y = rect.top;
    if (flags & Z_TEXT_BOTTOM) {
        y = rect.bottom - height;
    } else if (flags & Z_TEXT_VCENTER) {
        y = (rect.top + rect.bottom - height) / 2;
    }
    return ZRect{x, y, x + width, y + height};
}

// Where the render passes draw: the old raster rules (fills exclude right and bottom edges, lines
// exclude their end point, nothing anti-aliased except fillTranslucent and drawEllipse) on any
// target. Implementations: raster (QPainter on an image or a widget) and metafile.
class ZSurface {
  public:
    virtual ~ZSurface() = default;

    // Solid pen of a whole-pixel width for moveTo and lineTo.
    virtual void selectPen(ZColour colour, int width) = 0;
    // Font for drawText; texts are black on an opaque white background.
    virtual void selectFont(const ZFont& font) = 0;
    virtual void moveTo(int x, int y) = 0;
    // A line from the current point to (x, y), without (x, y) itself, which becomes current.
    virtual void lineTo(int x, int y) = 0;
    virtual void fillRect(const ZRect& rect, ZColour colour) = 0;
    virtual void setPixel(int x, int y, ZColour colour) = 0;
    // A block of width x height pixels (0x00RRGGBB, row by row) at (x, y); pixels whose mask byte
    // is 0 are left alone (no mask: all are drawn). Raster surfaces copy it at once; others may
    // draw pixel by pixel.
    virtual void drawPixels(int x, int y, int width, int height, const std::uint32_t* rgb,
                            const std::uint8_t* mask) = 0;
    virtual void drawText(const ZString& text, const ZRect& rect, unsigned flags) = 0;

    // Isotropic mapping of a logical window onto a viewport from the origin; resetMapping
    // returns to one logical unit per pixel.
    virtual void setIsotropicMapping(int windowWidth, int windowHeight, int viewportWidth,
                                     int viewportHeight) = 0;
    virtual void resetMapping() = 0;

    // The source rectangle of the bitmap stretched onto the destination rectangle.
    virtual void stretchBitmap(const ZBitmap& bitmap, const ZRect& source, const ZRect& dest) = 0;
    // The rectangle of the bitmap copied unchanged to the same rectangle of the surface.
    virtual void copyBitmap(const ZBitmap& bitmap, const ZRect& rect) = 0;

    // Anti-aliased interface: a translucent fill (0xAARRGGBB) and an ellipse outline in the box.
    virtual void fillTranslucent(const ZRect& rect, ZArgb colour) = 0;
    virtual void drawEllipse(const ZRect& box, ZArgb colour, double penWidth) = 0;

    // Kept polylines: each stroke's pen selected and its lines drawn with moveTo and lineTo (the
    // last stroke's pen stays selected). Surfaces that can set the pixels a layer recorded for
    // them at once do so instead.
    virtual void drawLineLayer(const ZLineLayer& layer);
};
