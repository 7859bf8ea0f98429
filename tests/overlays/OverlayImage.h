#pragma once

#include <QImage>

#include "PixelChecks.h"
#include "map/ViewState.h"
#include "toolkit/ui/ZFont.h"

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
