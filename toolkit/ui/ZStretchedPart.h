#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

#include "toolkit/ui/ZRect.h"

// The part of a stretched copy that has pixels: the source rectangle cut to the picture, and
// where that part lands in the destination. The source must not be empty.
struct ZStretchedPart {
    QRect source;
    QRectF target;
};

inline ZStretchedPart stretchedPart(const QImage& image, const ZRect& source, const ZRect& dest) {
    const QRect available =
        QRect(source.left, source.top, source.width(), source.height()).intersected(image.rect());
    const double scaleX = static_cast<double>(dest.width()) / source.width();
    const double scaleY = static_cast<double>(dest.height()) / source.height();
    return {available, QRectF(dest.left + (available.left() - source.left) * scaleX,
                              dest.top + (available.top() - source.top) * scaleY,
                              available.width() * scaleX, available.height() * scaleY)};
}
