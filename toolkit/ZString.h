#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Owned 8-bit text (UTF-8 bytes). A thin layer over std::string offering the operations the
// program calls by name.
class ZString {
public:
    static constexpr std::size_t npos = std::string::npos;

    ZString() = default;
    ZString(const char* text) : text_(text ? text : "") {}
    ZString(std::string text) : text_(std::move(text)) {}
    ZString(std::string_view text) : text_(text) {}

    const char* c_str() const { return text_.c_str(); }
    const std::string& str() const { return text_; }
    std::string_view view() const { return text_; }
    std::size_t length() const { return text_.size(); }
    bool isEmpty() const { return text_.empty(); }
    char operator[](std::size_t i) const { return text_[i]; }

    ZString& assign(std::string_view text) {
        text_.assign(text);
        return *this;
    }
    ZString& append(std::string_view text);
    ZString& operator+=(std::string_view text) { return append(text); }
    ZString& operator+=(char c);
    friend ZString operator+(const ZString& a, std::string_view b);

    // Characters from start up to (not including) end; end beyond the text means "to the end".
    ZString substring(std::size_t start, std::size_t end = npos) const;
    // Position of the first occurrence at or after from, npos when absent.
    std::size_t indexOf(char c, std::size_t from = 0) const;
    std::size_t indexOf(std::string_view text, std::size_t from = 0) const;
    bool startsWith(std::string_view prefix) const;
    // Removes leading and trailing blanks, tabs and line ends.
    ZString& trim();
    // Replaces every occurrence of one character by another.
    ZString& replace(char from, char to);
    ZString& toLowerCase();

    bool operator==(const ZString& other) const = default;
    bool operator==(const char* other) const { return text_ == other; }

private:
    std::string text_;
};
