#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Picture;
class QByteArray;
class QImage;

// giflib's dump of the file, which must read it; "" when it refuses it.
std::string gifbuildDump(const std::vector<std::uint8_t>& file);

QByteArray asByteArray(const std::vector<std::uint8_t>& file);

// The decoded picture shows the picture's colours everywhere (decoded rows run top-down, the
// picture's bottom-up).
void expectShows(const QImage& decoded, const Picture& picture);
