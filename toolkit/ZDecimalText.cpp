#include "toolkit/ZDecimalText.h"

#include <algorithm>
#include <charconv>

void appendFixed(std::string& text, double value, int decimals) {
    char digits[400];
    auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    text.append(digits, result.ptr);
}

std::string decimalComma(double value, int decimals) {
    std::string text;
    appendFixed(text, value, decimals);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string shortestDecimalComma(double value) {
    char digits[32];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    std::string text(digits, result.ptr);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}
