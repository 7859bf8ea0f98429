#include "GifChecks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "image/Picture.h"

std::string gifbuildDump(const std::vector<std::uint8_t>& file) {
    QTemporaryDir folder;
    std::string path = folder.filePath("picture.gif").toStdString();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    std::string dump;
    FILE* pipe = popen(("gifbuild -d '" + path + "' 2>/dev/null").c_str(), "r");
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe)) {
        dump += buffer;
    }
    return pipe && pclose(pipe) == 0 ? dump : "";
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
