#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <optional>

#include "toolkit/ui/ZSurface.h"

// The drawing surface of a scalable vector picture: a QPainter on Qt's SVG generator, writing
// into memory. Fills, lines and texts become vector elements placed on the pixel grid of the
// raster picture of the same size (a one-pixel line runs through the pixel centres), pixel
// blocks and bitmaps embedded pictures. Consecutive lines of one pen become one polyline, so
// coastlines stay a few elements rather than thousands.
class ZSvgSurface : public ZSurface {
  public:
    ZSvgSurface(int width, int height, const QString& title);
    ZSvgSurface(const ZSvgSurface&) = delete;
    ZSvgSurface& operator=(const ZSvgSurface&) = delete;
    ~ZSvgSurface() override;

    // Ends the drawing and gives the document; the surface draws nothing afterwards.
    QByteArray finish();

    void selectPen(ZColour colour, int width) override;
    void selectFont(const ZFont& font) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const ZRect& rect, ZColour colour) override;
    void setPixel(int x, int y, ZColour colour) override;
    void drawPixels(int x, int y, int width, int height, const std::uint32_t* rgb,
                    const std::uint8_t* mask) override;
    void drawText(const ZString& text, const ZRect& rect, unsigned flags) override;

    void setIsotropicMapping(int windowWidth, int windowHeight, int viewportWidth,
                             int viewportHeight) override;
    void resetMapping() override;

    void stretchBitmap(const ZBitmap& bitmap, const ZRect& source, const ZRect& dest) override;
    void copyBitmap(const ZBitmap& bitmap, const ZRect& rect) override;

    void fillTranslucent(const ZRect& rect, ZArgb colour) override;
    void drawEllipse(const ZRect& box, ZArgb colour, double penWidth) override;

  private:
    void flushLine();

    QByteArray bytes_;
    QBuffer buffer_{&bytes_};
    QSvgGenerator generator_;
    std::optional<QPainter> painter_;
    QColor penColour_{Qt::black};
    int penWidth_ = 1;
    QFont font_;
    QPointF current_;
    // The polyline being drawn in the pen, not yet handed to the painter.
    QPolygonF line_;
};
