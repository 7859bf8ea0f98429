#include "GifChecks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
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

std::string composedAlike(const std::vector<std::uint8_t>& file) {
    const std::string path = testing::TempDir() + "composed.gif";
    std::ofstream(path).write(asByteArray(file).constData(), qint64(file.size()));
    const std::string script = SORVO_SOURCE_DIR "/image/tests/composed_frames.py ";
    FILE* pipe = popen(("/usr/bin/python3 " + script + path).c_str(), "r");
    char line[256] = {};
    const bool read = pipe && fgets(line, sizeof line, pipe);
    EXPECT_TRUE(pipe && pclose(pipe) == 0 && read) << "giflib and Pillow differ on " << path;
    return line;
}
