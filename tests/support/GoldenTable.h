#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <string>
#include <vector>

// The rows of a table kept under a test folder's golden/: one row a line, fields between tabs,
// kept as written; empty lines and lines starting with '#' are skipped.
inline std::vector<std::vector<std::string>> goldenRows(const std::string& relative) {
    std::ifstream in(SORVO_SOURCE_DIR "/" + relative);
    EXPECT_TRUE(in.is_open()) << relative;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        rows.emplace_back();
        for (std::size_t at = 0, tab = 0; tab != std::string::npos; at = tab + 1) {
            tab = line.find('\t', at);
            rows.back().push_back(line.substr(at, tab - at));
        }
    }
    EXPECT_FALSE(rows.empty()) << relative;
    return rows;
}

// A number of the table, read alike under every locale.
inline double number(const std::string& field) {
    double value = 0.0;
    const char* start = field.data() + (field.starts_with('+') ? 1 : 0);
    EXPECT_EQ(std::from_chars(start, field.data() + field.size(), value).ptr,
              field.data() + field.size())
        << field;
    return value;
}

inline int integer(const std::string& field) {
    return static_cast<int>(number(field));
}
