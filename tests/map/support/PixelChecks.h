#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <initializer_list>

#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZColour.h"

inline constexpr QRgb WHITE = 0xFFFFFFFF;
inline constexpr QRgb BLACK = 0xFF000000;

inline QRgb toQRgb(ZColour colour) {
    return qRgb(zRed(colour), zGreen(colour), zBlue(colour));
}

// Expects the colour at each of the pixels, given as x, y pairs.
inline void expectColourAt(const QImage& image, QRgb colour, std::initializer_list<int> xy) {
    for (const int* p = xy.begin(); p + 1 < xy.end(); p += 2) {
        EXPECT_EQ(image.pixel(p[0], p[1]), colour) << "at " << p[0] << "," << p[1];
    }
}

// A picture whose every pixel tells where it lies: colour y * width + x.
inline ZBitmap codedPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, BLACK | static_cast<QRgb>(y * width + x));
        }
    }
    ZBitmap bitmap;
    bitmap.create(image);
    return bitmap;
}

inline QPoint decoded(QRgb pixel, int width) {
    int code = static_cast<int>(pixel & 0xFFFFFF);
    return QPoint(code % width, code / width);
}

// Pixels that differ from the colour.
inline int countOtherThan(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) != colour;
        }
    }
    return count;
}
