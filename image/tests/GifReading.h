#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Picture;
class QByteArray;
class QImage;

// A GIF file taken apart independently of the writer: the fields of its blocks, the sizes of
// its data sub-blocks and the codes of its LZW data. The pixels are left to a real decoder.
struct GifReading {
    int packed = 0;
    int minimumCodeSize = 0;
    std::vector<int> blockSizes;
    std::vector<int> codes;
    // For every Clear code after the first: the code the dictionary would have assigned next.
    std::vector<int> nextCodeAtClear;
    bool endSeen = false;
    bool trailerSeen = false;
    std::string error;
};

GifReading readGif(const std::vector<std::uint8_t>& file);

// giflib's dump of the file, which must read it; "" when it refuses it.
std::string gifbuildDump(const std::vector<std::uint8_t>& file);

QByteArray asByteArray(const std::vector<std::uint8_t>& file);

// The decoded picture shows the picture's colours everywhere (decoded rows run top-down, the
// picture's bottom-up).
void expectShows(const QImage& decoded, const Picture& picture);
