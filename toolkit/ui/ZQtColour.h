#pragma once

#include <QColor>

#include "toolkit/ui/ZColour.h"

// Our colours as Qt's, for the classes that draw or colour widgets with Qt.
inline QColor toQColor(ZColour colour) {
    return QColor(zRed(colour), zGreen(colour), zBlue(colour));
}

inline QColor argbToQColor(ZArgb colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, colour >> 24);
}
