#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <string>

// Both pictures must have one size and the same colour in every pixel. On failure the actual
// picture and a difference picture (the differing pixels red on grey) are written to the test's
// temporary folder, named after the check, and the message names them with the first differing
// pixel.
inline testing::AssertionResult picturesMatch(const QImage& actual, const QImage& expected,
                                              const std::string& name) {
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
            // Colour only: the alpha byte of an opaque format says nothing.
            if (((actual.pixel(x, y) ^ expected.pixel(x, y)) & 0xFFFFFF) != 0) {
                first = differing++ == 0 ? QPoint(x, y) : first;
                difference.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    if (differing == 0) {
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

// The picture against the one kept under a golden/ folder (a path from the source folder), for
// pictures whose every pixel was worked out once; with SORVO_WRITE_GOLDEN set it is written
// there first, to renew it after a wanted change.
inline testing::AssertionResult matchesGolden(const QImage& actual, const std::string& relative) {
    const QString path = QString::fromStdString(SORVO_SOURCE_DIR "/" + relative);
    if (std::getenv("SORVO_WRITE_GOLDEN")) {
        actual.save(path);
    }
    const QImage expected(path);
    if (expected.isNull()) {
        return testing::AssertionFailure() << relative << " cannot be read";
    }
    const std::string name = relative.substr(relative.rfind('/') + 1);
    return picturesMatch(actual, expected, name.substr(0, name.rfind('.')));
}
