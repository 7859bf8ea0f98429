#pragma once

#include <cstdint>

// The months an export walks: the same months, fromMonth to toMonth, of every year from
// fromYear to toYear. A toMonth before fromMonth runs over the turn of the year. Month indices
// are year * 12 + month - 1 in 64 bits, so the largest years cannot overflow them.
struct ExportSpan {
    std::uint32_t fromYear = 1850;
    std::uint32_t fromMonth = 1;
    std::uint32_t toYear = 1850;
    std::uint32_t toMonth = 1;

    std::uint64_t monthsPerGroup() const;
    std::uint64_t groups() const;
    std::uint64_t totalMonths() const { return groups() * monthsPerGroup(); }
    std::uint64_t firstIndex() const;
    // The last month read: that of the last group, in the year after toYear when the groups run
    // over the turn of the year. Spans with at least one group only.
    std::uint64_t lastIndex() const;
};

inline std::uint64_t yearOfIndex(std::uint64_t index) {
    return index / 12;
}

inline std::uint32_t monthOfIndex(std::uint64_t index) {
    return static_cast<std::uint32_t>(index % 12 + 1);
}
