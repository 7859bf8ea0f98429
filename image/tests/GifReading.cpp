#include "GifReading.h"

#include <QTemporaryDir>
#include <cstddef>
#include <cstdio>
#include <fstream>

namespace {

struct Reader {
    const std::vector<std::uint8_t>& data;
    std::size_t at = 0;

    bool has(std::size_t n) const { return at + n <= data.size(); }
    int u8() { return data[at++]; }
    int u16() {
        int low = u8();
        return low | (u8() << 8);
    }
};

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
    Reader r{file};
    if (!r.has(13) || std::string(file.begin(), file.begin() + 6) != "GIF87a") {
        gif.error = "no GIF87a signature";
        return gif;
    }
    r.at = 6;
    gif.width = r.u16();
    gif.height = r.u16();
    gif.packed = r.u8();
    r.at += 2;
    std::size_t tableBytes = (gif.packed & 0x80) ? 3u << ((gif.packed & 7) + 1) : 0;
    if (!r.has(tableBytes + 8)) {
        gif.error = "truncated colour table";
        return gif;
    }
    gif.colorTable.assign(file.begin() + r.at, file.begin() + r.at + tableBytes);
    r.at += tableBytes;
    gif.graphicControl.assign(file.begin() + r.at, file.begin() + r.at + 8);
    r.at += 8;
    if (!r.has(11) || r.u8() != 0x2C) {
        gif.error = "no image separator";
        return gif;
    }
    r.at += 8;
    r.u8();
    gif.minimumCodeSize = r.u8();
    std::vector<std::uint8_t> data;
    while (r.has(1)) {
        int size = r.u8();
        if (size == 0) {
            break;
        }
        if (!r.has(static_cast<std::size_t>(size))) {
            gif.error = "truncated sub-block";
            return gif;
        }
        gif.blockSizes.push_back(size);
        data.insert(data.end(), file.begin() + r.at, file.begin() + r.at + size);
        r.at += size;
    }
    gif.trailerSeen = r.has(1) && r.u8() == 0x3B && r.at == file.size();
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
