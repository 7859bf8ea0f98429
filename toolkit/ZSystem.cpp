#include "toolkit/ZSystem.h"

#include <cmath>
#include <unistd.h>
#include <vector>

double ZSystem::round(double value, int decimals) {
    if (decimals == 0) {
        return std::round(value);
    }
    double factor = std::pow(10.0, decimals);
    return std::round(value * factor) / factor;
}

void ZSystem::extractPath(const ZString& path, ZString& result, bool fileNameOnly) {
    std::size_t slash = path.view().find_last_of("/\\");
    if (fileNameOnly) {
        result = slash == ZString::npos ? path : path.substring(slash + 1);
    } else {
        result = slash == ZString::npos ? ZString() : path.substring(0, slash + 1);
    }
}

ZString ZSystem::extractFileExtension(const ZString& path) {
    ZString name;
    extractPath(path, name, true);
    std::size_t dot = name.view().rfind('.');
    return dot == ZString::npos ? ZString() : name.substring(dot + 1);
}

ZString ZSystem::getCurrentDirectory() {
    std::vector<char> buffer(4096);
    if (!getcwd(buffer.data(), buffer.size())) {
        return ZString();
    }
    return ZString(buffer.data());
}
