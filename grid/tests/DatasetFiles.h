#pragma once

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Dataset files in the byte layouts of the real ones, formatted with to_chars so that they come
// out the same under any locale.
struct DatasetLayout {
    std::size_t fieldWidth;
    const char* lineEnd;
    std::size_t headerBytes;  // including the header's own line end
    const char* missing;

    std::size_t blockSize() const {
        return headerBytes + 36 * (72 * fieldWidth + std::char_traits<char>::length(lineEnd));
    }
};

inline constexpr DatasetLayout HADCRUT3_LAYOUT{11, "\r\n", 29, "-1.000e+30"};
inline constexpr DatasetLayout HADCRUT4_LAYOUT{8, "\n", 84, "-99.99"};
inline constexpr DatasetLayout HADSST2_LAYOUT{8, "\n", 8, "-99.99"};
inline constexpr DatasetLayout ABSTEM3_LAYOUT{11, "\n", 13, "-1.000e+30"};

// The value of cell (row, column), or nothing for a cell without data.
using CellFunction = std::function<std::optional<double>(int, int)>;

// One month block of exactly layout.blockSize() bytes.
inline std::string makeBlock(const DatasetLayout& layout, int k, const CellFunction& cell) {
    std::string header = std::to_string(1850 + k / 12) + " " + std::to_string(k % 12 + 1);
    header.resize(layout.headerBytes - std::char_traits<char>::length(layout.lineEnd), ' ');
    std::string block = header + layout.lineEnd;
    for (int r = 0; r < 36; ++r) {
        for (int c = 0; c < 72; ++c) {
            char text[32];
            std::optional<double> value = cell(r, c);
            char* end =
                value ? std::to_chars(text, text + 32, *value, std::chars_format::fixed, 3).ptr
                      : std::copy_n(layout.missing, std::strlen(layout.missing), text);
            block.append(layout.fieldWidth - static_cast<std::size_t>(end - text), ' ');
            block.append(text, end);
        }
        block += layout.lineEnd;
    }
    return block;
}

// Blocks 0 to months - 1, from January 1850 on; monthCells(k) gives the cells of block k.
inline std::string makeBlocks(const DatasetLayout& layout, int months,
                              const std::function<CellFunction(int)>& monthCells) {
    std::string data;
    for (int k = 0; k < months; ++k) {
        data += makeBlock(layout, k, monthCells(k));
    }
    return data;
}

// Cell (row, column) of block k written as "n/a", a token that is no number.
inline void spoilCell(std::string& data, const DatasetLayout& layout, int k, int row, int column) {
    const std::size_t line =
        72 * layout.fieldWidth + std::char_traits<char>::length(layout.lineEnd);
    const std::size_t at = static_cast<std::size_t>(k) * layout.blockSize() + layout.headerBytes +
                           static_cast<std::size_t>(row) * line +
                           static_cast<std::size_t>(column) * layout.fieldWidth;
    data.replace(at, layout.fieldWidth, std::string(layout.fieldWidth - 3, ' ') + "n/a");
}

inline void writeFile(const std::filesystem::path& path, const std::string& data) {
    std::filesystem::create_directories(path.parent_path());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data.data(), 1, data.size(), file) != data.size()) {
        std::abort();
    }
    std::fclose(file);
}

// A fresh directory, removed with everything in it at the end; optionally the working directory
// while it exists, for the files the program reads by a fixed name.
class TemporaryDirectory {
  public:
    explicit TemporaryDirectory(bool makeCurrent = false) {
        std::string pattern = std::filesystem::temp_directory_path() / "sorvo-test-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        path_ = pattern;
        if (makeCurrent) {
            previous_ = std::filesystem::current_path();
            std::filesystem::current_path(path_);
        }
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        if (!previous_.empty()) {
            std::filesystem::current_path(previous_, ignored);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& relative) const { return (path_ / relative).string(); }
    void write(const std::string& relative, const std::string& data) const {
        writeFile(path_ / relative, data);
    }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
