#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Picture;
class QByteArray;
class QImage;

// The bytes are those of the golden file of that name; SORVO_WRITE_GOLDEN=1 writes them as the
// golden file first, after a deliberate change to the writer.
void expectGolden(const std::vector<std::uint8_t>& bytes, const char* name);

QByteArray asByteArray(const std::vector<std::uint8_t>& file);

// The decoded picture shows the picture's colours everywhere (decoded rows run top-down, the
// picture's bottom-up).
void expectShows(const QImage& decoded, const Picture& picture);

// giflib and Pillow compose the animation's frames alike; the frames' transparent indices as
// giflib reads them ("-1 0\n" for two).
std::string composedAlike(const std::vector<std::uint8_t>& file);
