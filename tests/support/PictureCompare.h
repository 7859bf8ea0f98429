#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
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

// Pixels of a in the area with no pixel of b within two pixels that has nearly its colour: for
// pictures drawn by another renderer, whose edges may lie a pixel or two apart.
inline int unmatchedPixels(const QImage& a, const QImage& b, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            QRgb p = a.pixel(x, y);
            QRect around = QRect(x - 2, y - 2, 5, 5) & b.rect();
            bool found = false;
            for (int v = around.top(); v <= around.bottom() && !found; ++v) {
                for (int u = around.left(); u <= around.right() && !found; ++u) {
                    QRgb o = b.pixel(u, v);
                    found = std::abs(qRed(p) - qRed(o)) < 40 &&
                            std::abs(qGreen(p) - qGreen(o)) < 40 &&
                            std::abs(qBlue(p) - qBlue(o)) < 40;
                }
            }
            count += !found;
        }
    }
    return count;
}

// The dark pixels of the area (texts and lines) stand within the slack of the raster picture's.
inline void expectSameInk(const QImage& drawn, const QImage& raster, QRect area, int slack,
                          const char* what, int darkerThan = 160) {
    auto inkBox = [&](const QImage& image) {
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                box |= qGray(image.pixel(x, y)) < darkerThan ? QRect(x, y, 1, 1) : QRect();
            }
        }
        return box;
    };
    QRect a = inkBox(drawn);
    QRect b = inkBox(raster);
    EXPECT_FALSE(a.isEmpty()) << what;
    EXPECT_NEAR(a.left(), b.left(), slack) << what;
    EXPECT_NEAR(a.top(), b.top(), slack) << what;
    EXPECT_NEAR(a.right(), b.right(), slack) << what;
    EXPECT_NEAR(a.bottom(), b.bottom(), slack) << what;
}
