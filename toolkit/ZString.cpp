#include "toolkit/ZString.h"

#include <algorithm>

ZString& ZString::append(std::string_view text) {
    text_.append(text);
    return *this;
}

ZString& ZString::operator+=(char c) {
    text_.push_back(c);
    return *this;
}

ZString operator+(const ZString& a, std::string_view b) {
    ZString result(a);
    result.append(b);
    return result;
}

ZString ZString::substring(std::size_t start, std::size_t end) const {
    if (start >= text_.size() || end <= start) {
        return ZString();
    }
    return ZString(text_.substr(start, end == npos ? npos : end - start));
}

std::size_t ZString::indexOf(char c, std::size_t from) const { return text_.find(c, from); }

std::size_t ZString::indexOf(std::string_view text, std::size_t from) const {
    return text_.find(text, from);
}

bool ZString::startsWith(std::string_view prefix) const { return text_.starts_with(prefix); }

ZString& ZString::trim() {
    const char* blanks = " \t\r\n";
    std::size_t first = text_.find_first_not_of(blanks);
    if (first == std::string::npos) {
        text_.clear();
        return *this;
    }
    std::size_t last = text_.find_last_not_of(blanks);
    text_ = text_.substr(first, last - first + 1);
    return *this;
}

ZString& ZString::replace(char from, char to) {
    std::replace(text_.begin(), text_.end(), from, to);
    return *this;
}

ZString& ZString::toLowerCase() {
    for (char& c : text_) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return *this;
}
