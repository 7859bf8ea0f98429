#include "grid/YearSpan.h"

namespace {

// Digits only, at most four of them; false for anything else.
bool readYear(std::string_view text, std::uint32_t& year) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 4) {
        return false;
    }
    year = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        year = year * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return true;
}

}  // namespace

std::optional<YearSpan> YearSpan::parse(std::string_view text) {
    const std::size_t dash = text.find('-');
    YearSpan span;
    if (dash == std::string_view::npos || !readYear(text.substr(0, dash), span.first) ||
        !readYear(text.substr(dash + 1), span.last) || span.first > span.last || span.first == 0) {
        return std::nullopt;
    }
    return span;
}
