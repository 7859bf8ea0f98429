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

// The decoder's side of variable-width LZW: strings rebuilt from (prefix, last byte) pairs.
void decodeCodes(GifReading& gif, const std::vector<std::uint8_t>& data) {
    const int clear = 1 << gif.minimumCodeSize;
    const int end = clear + 1;
    int width = gif.minimumCodeSize + 1;
    int next = clear + 2;
    std::vector<int> prefix(4096, -1);
    std::vector<std::uint8_t> suffix(4096, 0);
    for (int i = 0; i < clear; ++i) {
        suffix[i] = static_cast<std::uint8_t>(i);
    }
    auto expand = [&](int code, std::vector<std::uint8_t>& out) {
        std::vector<std::uint8_t> reversed;
        for (int c = code; c != -1; c = prefix[c]) {
            reversed.push_back(suffix[c]);
        }
        out.assign(reversed.rbegin(), reversed.rend());
    };
    std::size_t bit = 0;
    int previous = -1;
    bool first = true;
    std::vector<std::uint8_t> text;
    while (bit + width <= data.size() * 8) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit) {
            code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
        }
        gif.codes.push_back(code);
        if (code == clear) {
            if (!first) {
                gif.nextCodeAtClear.push_back(next);
            }
            first = false;
            width = gif.minimumCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) {
            gif.endSeen = true;
            return;
        }
        if (code > next || (code == next && previous == -1)) {
            gif.error = "code " + std::to_string(code) + " beyond the dictionary";
            return;
        }
        if (code < next) {
            expand(code, text);
            if (previous != -1 && next < 4096) {
                prefix[next] = previous;
                suffix[next] = text.front();
                ++next;
            }
        } else {
            expand(previous, text);
            text.push_back(text.front());
            if (next < 4096) {
                prefix[next] = previous;
                suffix[next] = text.front();
                ++next;
            }
        }
        gif.indices.insert(gif.indices.end(), text.begin(), text.end());
        previous = code;
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
    decodeCodes(gif, data);
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
