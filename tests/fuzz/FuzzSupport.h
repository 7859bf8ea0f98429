#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "grid/tests/DatasetFiles.h"

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

inline const TemporaryDirectory& scratchFolder() {
    static const TemporaryDirectory folder;
    return folder;
}

// Writes the bytes as the named file of the scratch folder and returns its path.
inline std::string writeScratchFile(const char* name, std::string_view bytes) {
    scratchFolder().write(name, std::string(bytes));
    return scratchFolder().file(name);
}
