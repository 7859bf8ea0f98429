#include "GifChecks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <iterator>

#include "image/Picture.h"

std::vector<std::uint8_t> goldenFile(const char* name) {
    std::ifstream in(std::string(SORVO_SOURCE_DIR "/image/tests/golden/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QByteArray asByteArray(const std::vector<std::uint8_t>& file) {
    return QByteArray(reinterpret_cast<const char*>(file.data()),
                      static_cast<qsizetype>(file.size()));
}

void expectShows(const QImage& decoded, const Picture& picture) {
    const int h = picture.getHeight();
    ASSERT_EQ(decoded.size(), QSize(picture.getWidth(), h));
    for (int row = 0; row < h; ++row) {
        for (int x = 0; x < picture.getWidth(); ++x) {
            PaletteColor c = picture.getPaletteColor(picture.getPixelIndex(x, h - 1 - row));
            ASSERT_EQ(decoded.pixel(x, row) & 0xFFFFFF, qRgb(c.red, c.green, c.blue) & 0xFFFFFF)
                << x << "," << row;
        }
    }
}
