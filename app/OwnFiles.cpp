#include "app/OwnFiles.h"

#include <filesystem>
#include <vector>

#include "dialogs/ExportDialog.h"
#include "dialogs/HelpDialog.h"
#include "map/BackgroundPicture.h"
#include "map/Coastlines.h"
#include "toolkit/ZLinkPath.h"
#include "toolkit/ZSystem.h"

namespace fs = std::filesystem;

namespace {

// The path a write to it would reach: through every link, also one whose target is missing.
fs::path reached(const fs::path& path) {
    int linkError = 0;
    std::error_code error;
    fs::path resolved = fs::absolute(followLinks(path.string(), linkError), error);
    fs::path canonical = fs::weakly_canonical(resolved, error);
    return error ? resolved.lexically_normal() : canonical;
}

bool sameFile(const fs::path& target, const fs::path& own) {
    std::error_code error;
    if (fs::exists(target, error) && fs::exists(own, error) && fs::equivalent(target, own, error)) {
        return true;
    }
    return reached(target) == reached(own);
}

}  // namespace

std::optional<std::string> ownFileAt(const std::string& target, const std::string& dataset) {
    std::vector<std::string> own = {COASTLINE_FILE, "init.txt", "positions.txt", HELP_FILE,
                                    EXPORT_TABLE_FILE};
    for (std::uint32_t mapType = 2; mapType <= 4; ++mapType) {
        own.emplace_back(pictureFileForMapType(mapType));
    }
    if (!dataset.empty()) {
        own.push_back(dataset);
    }
    for (const std::string& name : own) {
        if (sameFile(target, name) || sameFile(target, ZSystem::findProgramFile(name).str())) {
            return name;
        }
    }
    return std::nullopt;
}
