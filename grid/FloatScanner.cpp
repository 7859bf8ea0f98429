#include "grid/FloatScanner.h"

#include <locale.h>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when the text at p starts with word (lower case), ignoring case.
bool matchesWord(const char* p, const char* last, const char* word) {
    for (; *word; ++p, ++word) {
        if (p == last || lower(*p) != *word) {
            return false;
        }
    }
    return true;
}

// from_chars reports a value outside the float range without a result; the C library rounds it
// to infinity, zero or a subnormal. Rare enough to pay for a copy and strtof under a C locale.
float outOfRange(const char* first, const char* last) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    std::string text(first, last);
    return strtof_l(text.c_str(), nullptr, cLocale);
}

// The common decimal without a detour through the general conversion: the digits as an integer
// w and the power of ten q, both exact doubles, give the correctly rounded double of w * 10^q
// in one multiplication or division. Rounding that double once more to float is exact unless
// it lies precisely halfway between two floats, which is checked. Returns nullptr for every
// case outside this (long mantissas, large exponents, results outside the normal float range),
// which then takes the general path.
const char* scanDecimalFast(const char* p, const char* last, float& value) {
    static constexpr double POWERS_OF_TEN[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::uint64_t EXACT_LIMIT = std::uint64_t{1} << 53;
    std::uint64_t digits = 0;
    int count = 0;
    int exponent = 0;
    bool point = false;
    for (; p != last; ++p) {
        if (isDigit(*p)) {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
            exponent -= point;
            ++count;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (count == 0 || count > 19) {
        return nullptr;
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* e = p + 1;
        bool negative = e != last && *e == '-';
        if (e != last && (*e == '-' || *e == '+')) {
            ++e;
        }
        if (e != last && isDigit(*e)) {
            int written = 0;
            for (; e != last && isDigit(*e); ++e) {
                written = std::min(written * 10 + (*e - '0'), 100000);
            }
            exponent += negative ? -written : written;
            p = e;
        }
    }
    while (exponent > 22 && digits < EXACT_LIMIT / 10) {
        digits *= 10;
        --exponent;
    }
    if (digits > EXACT_LIMIT || exponent > 22 || exponent < -22) {
        return nullptr;
    }
    const double exact = static_cast<double>(digits);
    const double rounded =
        exponent >= 0 ? exact * POWERS_OF_TEN[exponent] : exact / POWERS_OF_TEN[-exponent];
    if (rounded != 0.0 && !(rounded >= std::numeric_limits<float>::min() &&
                            rounded <= std::numeric_limits<float>::max())) {
        return nullptr;
    }
    // A float midpoint has a one followed by 28 zeros below the float's 24 mantissa bits.
    constexpr std::uint64_t BELOW_FLOAT = (std::uint64_t{1} << 29) - 1;
    if ((std::bit_cast<std::uint64_t>(rounded) & BELOW_FLOAT) == std::uint64_t{1} << 28) {
        return nullptr;
    }
    value = static_cast<float>(rounded);
    return p;
}

// "%f" reads ahead without going back: an exponent mark, and its sign, that no digit follows
// are taken in with the number though they add nothing to its value ("1e" reads as 1, and the
// text goes on after the "e").
const char* danglingExponentEnd(const char* start, const char* end, const char* last, char mark) {
    if (end == last || lower(*end) != mark ||
        std::any_of(start, end, [mark](char c) { return lower(c) == mark; })) {
        return end;
    }
    const char* q = end + 1;
    if (q != last && (*q == '+' || *q == '-')) {
        ++q;
    }
    return q != last && isDigit(*q) ? end : q;
}

// Reads the unsigned number at p (decimal or, after "0x", hexadecimal) into value. Returns the
// end of the number, or nullptr when "%f" would fail.
const char* scanMagnitude(const char* p, const char* last, float& value) {
    if (last - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        const char* digits = p + 2;
        bool fraction = digits != last && *digits == '.';
        const char* firstDigit = fraction ? digits + 1 : digits;
        if (firstDigit == last || !isHexDigit(*firstDigit)) {
            // "0x." still reads as the "0" in front of it, though "%f" has taken in all three
            // characters; a bare "0x" is no number.
            if (!fraction) {
                return nullptr;
            }
            value = 0.0f;
            return firstDigit;
        }
        // The number's extent is settled here, as "%f" takes it: a binary exponent counts only
        // with digits, and a mark without them is taken in but adds nothing.
        const char* mantissaEnd = digits;
        while (mantissaEnd != last && isHexDigit(*mantissaEnd)) {
            ++mantissaEnd;
        }
        if (mantissaEnd != last && *mantissaEnd == '.') {
            ++mantissaEnd;
            while (mantissaEnd != last && isHexDigit(*mantissaEnd)) {
                ++mantissaEnd;
            }
        }
        const char* numberEnd = danglingExponentEnd(digits, mantissaEnd, last, 'p');
        if (numberEnd == mantissaEnd && mantissaEnd != last && lower(*mantissaEnd) == 'p') {
            numberEnd = mantissaEnd + 1;
            if (*numberEnd == '+' || *numberEnd == '-') {
                ++numberEnd;
            }
            while (numberEnd != last && isDigit(*numberEnd)) {
                ++numberEnd;
            }
        }
        const char* valueEnd =
            numberEnd != mantissaEnd && isDigit(numberEnd[-1]) ? numberEnd : mantissaEnd;
        auto [end, error] = std::from_chars(digits, valueEnd, value, std::chars_format::hex);
        if (error == std::errc::result_out_of_range) {
            value = outOfRange(p, end);
        }
        return numberEnd;
    }
    if (p == last || !(isDigit(*p) || *p == '.')) {
        return nullptr;
    }
    if (const char* end = scanDecimalFast(p, last, value)) {
        // Most numbers end at a blank: the look for a dangling mark stays out of their way.
        return end == last || lower(*end) != 'e' ? end : danglingExponentEnd(p, end, last, 'e');
    }
    auto [end, error] = std::from_chars(p, last, value);
    if (error == std::errc::invalid_argument) {
        return nullptr;
    }
    if (error == std::errc::result_out_of_range) {
        value = outOfRange(p, end);
    }
    return danglingExponentEnd(p, end, last, 'e');
}

// "inf", "infinity" and "nan" as "%f" takes them: having begun "infinity", it must finish it.
const char* scanInfinityOrNan(const char* p, const char* last, float& value) {
    if (matchesWord(p, last, "nan")) {
        value = std::numeric_limits<float>::quiet_NaN();
        return p + 3;
    }
    if (!matchesWord(p, last, "inf")) {
        return nullptr;
    }
    value = std::numeric_limits<float>::infinity();
    if (p + 3 == last || lower(p[3]) != 'i') {
        return p + 3;
    }
    return matchesWord(p, last, "infinity") ? p + 8 : nullptr;
}

}  // namespace

const char* scanFloat(const char* first, const char* last, float& value) {
    const char* p = first;
    while (p != last && isBlank(*p)) {
        ++p;
    }
    bool negative = false;
    if (p != last && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    float magnitude = 0.0f;
    const char* end = p != last && (lower(*p) == 'i' || lower(*p) == 'n')
                          ? scanInfinityOrNan(p, last, magnitude)
                          : scanMagnitude(p, last, magnitude);
    if (end == nullptr) {
        return first;
    }
    value = negative ? -magnitude : magnitude;
    return end;
}
