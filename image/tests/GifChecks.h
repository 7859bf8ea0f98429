#pragma once

#include <cstdint>
#include <vector>

class Picture;
class QByteArray;
class QImage;

// The bytes of a file of the golden folder.
std::vector<std::uint8_t> goldenFile(const char* name);

QByteArray asByteArray(const std::vector<std::uint8_t>& file);

// The decoded picture shows the picture's colours everywhere (decoded rows run top-down, the
// picture's bottom-up).
void expectShows(const QImage& decoded, const Picture& picture);
