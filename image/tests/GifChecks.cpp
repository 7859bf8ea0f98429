#include "GifChecks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "image/Picture.h"

void expectGolden(const std::vector<std::uint8_t>& bytes, const char* name) {
    const std::string path = std::string(SORVO_SOURCE_DIR "/image/tests/golden/") + name;
    if (std::getenv("SORVO_WRITE_GOLDEN")) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(bytes == std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {})) << name;
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
