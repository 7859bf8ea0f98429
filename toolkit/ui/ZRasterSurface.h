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
// and at its destruction at the latest.
class ZRasterSurface : public ZSurface {
  public:
    // Paints into the image until the surface is destroyed.
    explicit ZRasterSurface(QImage& image);
    // Paints through a painter the caller has opened and keeps open.
    explicit ZRasterSurface(QPainter& painter);
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
    // Device pixels of thin lines not yet drawn, all in the pen colour.
    QPolygon pendingPoints_;
};
