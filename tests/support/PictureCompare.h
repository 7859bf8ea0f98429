#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <string>

// How a rendered picture is compared with the expected one: a pixel differs when a channel lies
// more than the tolerance away; pixels in the mask are not compared; up to allowed differing
// pixels still pass.
struct PictureCheck {
    int tolerance = 0;
    int allowed = 0;
    QRegion mask;
};

// Both pictures must have one size. On failure the actual picture and a difference picture (the
// differing pixels red on grey) are written to the test's temporary folder, named after the
// check, and the message names them with the first differing pixel.
inline testing::AssertionResult picturesMatch(const QImage& actual, const QImage& expected,
                                              const std::string& name,
                                              const PictureCheck& check = {}) {
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure()
               << name << ": " << actual.width() << " x " << actual.height() << ", expected "
               << expected.width() << " x " << expected.height();
    }
    QImage difference(actual.size(), QImage::Format_RGB32);
    difference.fill(qRgb(128, 128, 128));
    int differing = 0;
    QPoint first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (check.mask.contains(QPoint(x, y))) {
                continue;
            }
            QRgb a = actual.pixel(x, y);
            QRgb e = expected.pixel(x, y);
            int worst = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                                  std::abs(qBlue(a) - qBlue(e))});
            if (worst > check.tolerance) {
                if (differing++ == 0) {
                    first = QPoint(x, y);
                }
                difference.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    if (differing <= check.allowed) {
        return testing::AssertionSuccess();
    }
    std::string stem = testing::TempDir() + name;
    actual.save(QString::fromStdString(stem + "-actual.png"));
    difference.save(QString::fromStdString(stem + "-difference.png"));
    return testing::AssertionFailure()
           << name << ": " << differing << " pixels differ (first at " << first.x() << ","
           << first.y() << "), see " << stem << "-actual.png and -difference.png";
}

// A picture of one colour, to compare with where only the colour matters.
inline QImage filledPicture(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
