#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
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

// Mean difference per colour channel over the area (the whole picture when none is given):
// dithering leaves it small, another picture does not.
inline double meanDifference(const QImage& a, const QImage& b, QRect area = QRect()) {
    EXPECT_EQ(a.size(), b.size());
    area = area.isNull() ? a.rect() : area;
    long long sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * area.width() * area.height());
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
