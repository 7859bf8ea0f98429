#pragma once

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Grid.h"

namespace sampledata {

// The text layout of one dataset file: every month is a header line and one line per grid row,
// the values right-aligned in fixed-width fields, so that each block has exactly blockBytes.
struct BlockLayout {
    int fieldWidth;
    int decimals;
    std::string_view lineEnd;
    int headerBytes;  // including the line end
    int blockBytes;
    std::string_view missing;

    constexpr int lineBytes() const {
        return COLUMNS * fieldWidth + static_cast<int>(lineEnd.size());
    }
    constexpr bool addsUp() const {
        return headerBytes + ROWS * lineBytes() == blockBytes &&
               static_cast<int>(missing.size()) < fieldWidth;
    }
};

// Writes month blocks to a file through a large buffer. A value that is NaN is written as the
// layout's missing marker.
class BlockWriter {
  public:
    BlockWriter(const std::filesystem::path& path, const BlockLayout& layout)
        : layout(layout),
          path(path),
          out(path, std::ios::binary | std::ios::trunc),
          scale(std::pow(10.0, layout.decimals)),
          widest(std::pow(10.0, layout.fieldWidth - 3) - 0.5) {
        if (!out) {
            throw std::runtime_error("cannot create " + path.string());
        }
        buffer.reserve(FLUSH_BYTES + layout.blockBytes);
    }

    void write(std::string_view header, std::span<const double> values) {
        if (static_cast<int>(header.size() + layout.lineEnd.size()) != layout.headerBytes) {
            throw std::logic_error("header of " + std::to_string(header.size()) +
                                   " characters does not fit the layout of " + path.string());
        }
        const std::size_t start = buffer.size();
        buffer += header;
        buffer += layout.lineEnd;
        for (int r = 0; r < ROWS; ++r) {
            const std::size_t line = buffer.size();
            buffer.append(static_cast<std::size_t>(COLUMNS * layout.fieldWidth), ' ');
            for (int c = 0; c < COLUMNS; ++c) {
                char* fieldEnd = buffer.data() + line + (c + 1) * layout.fieldWidth;
                const double v = values[r * COLUMNS + c];
                if (std::isnan(v)) {
                    layout.missing.copy(fieldEnd - layout.missing.size(), layout.missing.size());
                } else {
                    formatFixed(fieldEnd, v);
                }
            }
            buffer += layout.lineEnd;
        }
        if (buffer.size() - start != static_cast<std::size_t>(layout.blockBytes)) {
            throw std::logic_error("block of wrong size in " + path.string());
        }
        if (buffer.size() >= FLUSH_BYTES) {
            flush();
        }
    }

    void finish() {
        flush();
        out.close();
        if (!out) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }

  private:
    static constexpr std::size_t FLUSH_BYTES = 1 << 22;

    // Fixed-point digits written backwards from the field's end; no locale is involved, and a
    // value that rounds to zero carries no minus sign. At least one blank must stay in front so
    // that neighbouring values never run together.
    void formatFixed(char* fieldEnd, double v) const {
        if (!(std::abs(v) * scale < widest)) {
            throw std::logic_error("value too wide for its field in " + path.string());
        }
        long long scaled = std::llround(v * scale);
        const bool negative = scaled < 0;
        scaled = std::llabs(scaled);
        char* p = fieldEnd;
        for (int d = 0; d < layout.decimals; ++d) {
            *--p = static_cast<char>('0' + scaled % 10);
            scaled /= 10;
        }
        *--p = '.';
        do {
            *--p = static_cast<char>('0' + scaled % 10);
            scaled /= 10;
        } while (scaled != 0);
        if (negative) {
            *--p = '-';
        }
    }

    void flush() {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + path.string());
        }
        buffer.clear();
    }

    BlockLayout layout;
    std::filesystem::path path;
    std::ofstream out;
    double scale;
    // Largest scaled magnitude whose digits, point and sign leave one blank in the field.
    double widest;
    std::string buffer;
};

}  // namespace sampledata
