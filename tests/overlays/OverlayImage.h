#pragma once

#include <QImage>
#include <QRect>

#include "map/ViewState.h"
#include "toolkit/ui/ZFont.h"

inline constexpr QRgb WHITE = 0xFFFFFFFF;
inline constexpr QRgb BLACK = 0xFF000000;

inline ViewState viewAt(double scale) {
    ViewState view;
    view.scaleX = scale;
    view.scaleY = scale;
    return view;
}

inline ZFont labelFont() {
    ZFont font;
    font.create("Arial", 8, 0, 400, 0);
    return font;
}

inline ZFont captionFont() {
    ZFont font;
    font.create("Times New Roman", 12, 0, 400, 0);
    return font;
}

// A white picture of the size the view's map has.
inline QImage blankPicture(const ViewState& view) {
    QImage image(static_cast<int>(1000 * view.scaleX + 60.5),
                 static_cast<int>(500 * view.scaleY + 110.5), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Text pixels: clearly darker than the white behind them.
inline bool isInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// Bounding box of the ink inside an area; empty when there is none.
inline QRect inkIn(const QImage& image, const QRect& area) {
    QRect ink;
    QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (isInk(image.pixel(x, y))) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}
