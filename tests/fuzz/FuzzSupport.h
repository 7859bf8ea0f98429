#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// What the fuzz targets share: a broken rule aborts with its name, and the files they write go
// into one scratch folder for the whole run.
inline void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Equal to the bit; NaNs equal when their signs are.
inline bool sameFloat(float a, float b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    }
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The scratch folder, removed again when the run ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = std::filesystem::temp_directory_path() / "sorvo-fuzz-XXXXXX";
        check(mkdtemp(pattern.data()) != nullptr, "temporary directory");
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path path;
};

inline const std::filesystem::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path;
}

// Writes the bytes as the named file of the scratch folder and returns its path.
inline std::string writeScratchFile(const char* name, std::string_view bytes) {
    const std::string path = scratchFolder() / name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    check(file != nullptr, name);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}
