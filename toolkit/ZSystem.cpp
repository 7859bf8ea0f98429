#include "toolkit/ZSystem.h"

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <system_error>
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

ZString ZSystem::findProgramFile(const ZString& name) {
    std::error_code error;
    if (name.isEmpty() || name[0] == '/' || std::filesystem::exists(name.str(), error)) {
        return name;
    }
    // The installed files lie beside the executable's folder (bin/../share/...), wherever the
    // program was installed.
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return name;
    }
    std::filesystem::path installed = program.parent_path() / SORVO_INSTALLED_DATA_DIR / name.str();
    return std::filesystem::exists(installed, error) ? ZString(installed.string()) : name;
}
