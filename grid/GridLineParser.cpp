#include "grid/GridLineParser.h"

#include <bit>
#include <cstring>

#include "grid/FloatScanner.h"

namespace {

// Fields are padded with runs of spaces of every length; eight bytes at a time spares the
// mispredicted end of a byte loop.
const char* skipSpaces(const char* p, const char* end) {
    constexpr std::uint64_t SPACES = 0x2020202020202020u;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if (std::uint64_t different = word ^ SPACES) {
            return p + std::countr_zero(different) / 8;
        }
        p += 8;
    }
    while (p != end && *p == ' ') {
        ++p;
    }
    return p;
}

}  // namespace

std::uint32_t parseGridLine(std::string_view line, double* sums, std::uint32_t* counts,
                            std::uint32_t columns) {
    std::uint32_t notNumbers = 0;
    const char* p = line.data();
    const char* end = p + line.size();
    if (const void* zero = std::memchr(p, '\0', line.size())) {
        end = static_cast<const char*>(zero);
    }
    for (std::uint32_t c = 0; c < columns; ++c) {
        p = skipSpaces(p, end);
        if (p == end) {
            return notNumbers;
        }
        float value = 0.0f;
        const char* scanned = scanFloat(p, end, value);
        // Without branches: whether a value is data is as random as the data themselves. Adding
        // 0.0 leaves a sum exactly as it was.
        const bool data = value > -99.0f && value < 99.0f;
        sums[c] += data ? value : 0.0f;
        counts[c] += data;
        // The scan leaves the position where it was only when it found no number.
        notNumbers += scanned == p;
        // The next value begins after the next space, wherever the scan stopped: a tab, say,
        // does not separate values. A number holds no spaces, so the search may start at its
        // end, unless the scan skipped blanks in front of it.
        p = scanned > p && static_cast<unsigned char>(*p) > ' ' ? scanned : p + 1;
        while (p < end && *p != ' ') {
            ++p;
        }
    }
    return notNumbers;
}
