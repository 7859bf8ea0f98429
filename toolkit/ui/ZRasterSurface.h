#pragma once

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <optional>

#include "toolkit/ui/ZSurface.h"

class QImage;

// The drawing surface on QPainter, for images (the worker's off-screen map) and for widgets (the
// map panel's paint). Painting into a QImage is safe on any thread, one surface per image.
// Thin lines are collected and reach the painter before the surface's next other drawing call
// and at its destruction at the latest. Lines and fills are cut to the surface before they are
// drawn, so that a shape far larger than the picture costs what its visible part costs.
class ZRasterSurface : public ZSurface {
  public:
    // Paints into the image until the surface is destroyed.
    explicit ZRasterSurface(QImage& image);
    // Paints through a painter the caller has opened and keeps open, into the area (device
    // pixels) that will be shown: a widget's update rectangle, where the widget itself may be
    // far larger than the screen.
    ZRasterSurface(QPainter& painter, const QRect& area);
    ZRasterSurface(const ZRasterSurface&) = delete;
    ZRasterSurface& operator=(const ZRasterSurface&) = delete;
    ~ZRasterSurface() override;

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
    // A layer recorded for this surface's picture size is copied as one block when nothing
    // (mapping, clipping) moves or cuts it; otherwise its lines are drawn.
    void drawLineLayer(const ZLineLayer& layer) override;

    // The Qt font a ZFont stands for: the pixel height a 96-dpi screen gives the point size, and
    // the metric twin of the face before the face, so texts keep the widths of the layout.
    static QFont toQFont(const ZFont& font);

  private:
    void setUp();
    // The painted image when the surface may write its pixels itself, with the same results as
    // the painter: a 32-bit image painted with nothing that moves, cuts or fades the drawing.
    QImage* directImage() const;
    void drawThinLine(QPoint from, QPoint to);
    void drawWideLine(QPoint from, QPoint to);
    // The surface's area in the painter's current coordinates, a margin of device pixels wider
    // on each side.
    QRectF logicalArea(double margin) const;
    // The part of a fill that can reach the surface; edges inside it stay where they are.
    QRect visiblePart(const ZRect& rect) const;
    void flushLines();

    // The image painted into, when the surface was made for one.
    QImage* image_ = nullptr;
    // Declared before painter_: owns the painter when the surface paints into an image.
    std::optional<QPainter> ownPainter_;
    QPainter& painter_;
    QColor penColour_{Qt::black};
    int penWidth_ = 1;
    QFont font_;
    QPoint current_;
    // What the surface may draw on, in device pixels.
    QRect area_;
    // Device pixels of thin lines not yet drawn, all in the pen colour.
    QPolygon pendingPoints_;
};
