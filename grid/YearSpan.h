#pragma once

#include <cstdint>

// A span of whole years, both ends included.
struct YearSpan {
    std::uint32_t first = 0, last = 0;
    bool operator==(const YearSpan&) const = default;
};
