#include "toolkit/ZLinkPath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace {

// As many links in a row as the kernel follows.
constexpr int MAX_LINKS = 40;

}  // namespace

std::string followLinks(std::string path, int& error) {
    for (int links = 0; links < MAX_LINKS; ++links) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(static_cast<std::size_t>(info.st_size) + 256, '\0');
        ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            error = errno;
            return path;
        }
        target.resize(static_cast<std::size_t>(length));
        std::size_t slash = path.rfind('/');
        if (!target.empty() && target[0] != '/' && slash != std::string::npos) {
            target.insert(0, path, 0, slash + 1);
        }
        path = std::move(target);
    }
    error = ELOOP;
    return path;
}
