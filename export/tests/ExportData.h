#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "grid/tests/DatasetFiles.h"

// Our own small dataset for the export: January 1850 to December 1851, values that differ by
// month, row and column, some negative, and gaps that move from month to month. Cell (35, 20)
// (5 deg N, 5 deg E) has no data in odd months.
inline std::string exportDataset() {
    return makeBlocks(HADCRUT3_LAYOUT, 24, [](int k) {
        return [k](int row, int column) -> std::optional<double> {
            if ((row * 7 + column * 3 + k) % 5 == 0 || (row == 17 && column == 36 && k % 2)) {
                return std::nullopt;
            }
            return ((k * 13 + row * 5 + column) % 37 - 14 + k % 3) * 0.125;
        };
    });
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
