#include "grid/BlockHeader.h"

#include <charconv>

namespace {

// The leading whole-number tokens of the line, at most two; a token with anything else in it
// ("rows=36", "-0.25") ends them.
int leadingNumbers(std::string_view line, std::uint64_t (&numbers)[2]) {
    int count = 0;
    std::size_t at = 0;
    while (count < 2) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) {
            break;
        }
        std::size_t end = line.find_first_of(" \t", at);
        std::string_view token = line.substr(at, end == std::string_view::npos ? end : end - at);
        auto [stop, error] =
            std::from_chars(token.data(), token.data() + token.size(), numbers[count]);
        if (error != std::errc() || stop != token.data() + token.size()) {
            break;
        }
        ++count;
        at = at + token.size();
    }
    return count;
}

bool looksLikeYear(std::uint64_t number) {
    return number >= 1000;
}

}  // namespace

bool headerNamesMonth(std::string_view header, std::uint64_t year, std::uint32_t month) {
    std::uint64_t numbers[2] = {0, 0};
    int count = leadingNumbers(header, numbers);
    if (count == 0) {
        return false;
    }
    if (count == 2 && ((numbers[0] == year && numbers[1] == month) ||
                       (numbers[0] == month && numbers[1] == year))) {
        return true;
    }
    // A climatology names only the month; the next number is then no year.
    return numbers[0] == month && !(count == 2 && looksLikeYear(numbers[1]));
}

std::string printableHeader(std::string_view header) {
    constexpr std::size_t LONGEST = 40;
    std::string text;
    for (char c : header.substr(0, LONGEST)) {
        auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    if (header.size() > LONGEST) {
        text += "...";
    }
    return text;
}
