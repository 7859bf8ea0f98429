#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "toolkit/ZFormattedString.h"
#include "toolkit/ZString.h"

// A span of whole years, both ends included: the years a baseline is taken over.
struct YearSpan {
    std::uint32_t first = 0;
    std::uint32_t last = 0;

    std::uint32_t years() const { return last >= first ? last - first + 1 : 0; }
    bool contains(std::uint32_t year) const { return year >= first && year <= last; }
    // "1991-2020", as the settings file and the legend write it.
    ZString text() const { return ZFormattedString("%u-%u", first, last); }

    // "1961-1990" (spaces around the dash allowed); none for anything else, a span running
    // backwards or years beyond 9999.
    static std::optional<YearSpan> parse(std::string_view text);

    bool operator==(const YearSpan&) const = default;
};
