#include "GifReading.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "image/Picture.h"

namespace {

// The codes of the variable-width LZW data, with the dictionary's size followed as a decoder
// follows it (one entry per code after the first since a Clear) to know the code width.
void readCodes(GifReading& gif, const std::vector<std::uint8_t>& data) {
    const int clear = 1 << gif.minimumCodeSize;
    int width = gif.minimumCodeSize + 1;
    int next = clear + 2;
    bool afterClear = true;
    for (std::size_t bit = 0; bit + width <= data.size() * 8;) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit) {
            code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
        }
        gif.codes.push_back(code);
        if (code == clear) {
            if (gif.codes.size() > 1) {
                gif.nextCodeAtClear.push_back(next);
            }
            width = gif.minimumCodeSize + 1;
            next = clear + 2;
            afterClear = true;
            continue;
        }
        if (code == clear + 1) {
            gif.endSeen = true;
            return;
        }
        if (!afterClear && next < 4096) {
            ++next;
        }
        afterClear = false;
        if (next == (1 << width) && width < 12) {
            ++width;
        }
    }
}

}  // namespace

GifReading readGif(const std::vector<std::uint8_t>& file) {
    GifReading gif;
    if (file.size() < 13 || std::string(file.begin(), file.begin() + 6) != "GIF87a") {
        gif.error = "no GIF87a signature";
        return gif;
    }
    gif.packed = file[10];
    std::size_t at = 13;
    const std::size_t tableBytes = (gif.packed & 0x80) ? 3u << ((gif.packed & 7) + 1) : 0;
    // The colour table, the graphic control extension, then the image descriptor.
    if (at + tableBytes + 8 + 11 > file.size() || file[at + tableBytes + 8] != 0x2C) {
        gif.error = "no image separator after the colour table";
        return gif;
    }
    at += tableBytes + 8 + 10;
    gif.minimumCodeSize = file[at++];
    std::vector<std::uint8_t> data;
    while (at < file.size() && file[at] != 0) {
        const std::size_t size = file[at++];
        if (at + size > file.size()) {
            gif.error = "truncated sub-block";
            return gif;
        }
        gif.blockSizes.push_back(static_cast<int>(size));
        data.insert(data.end(), file.begin() + at, file.begin() + at + size);
        at += size;
    }
    gif.trailerSeen = at + 2 == file.size() && file[at] == 0 && file[at + 1] == 0x3B;
    readCodes(gif, data);
    return gif;
}

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
