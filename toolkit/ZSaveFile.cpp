#include "toolkit/ZSaveFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/ZErrorText.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLinkPath.h"

namespace {

// Large enough that a picture or an animation goes out in few calls.
constexpr std::size_t BUFFER_SIZE = 64 * 1024;
constexpr std::size_t NUMBER_DIGITS = 8;
// Names beside the target are tried until one is new.
constexpr int NAME_ATTEMPTS = 100;
std::atomic<unsigned> nextNumber{0};

bool isDigits(std::string_view text, bool hex) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        bool digit = c >= '0' && c <= '9';
        if (!digit && !(hex && c >= 'a' && c <= 'f')) {
            return false;
        }
    }
    return true;
}

// The process that wrote "<base>.<process>.<number>", or 0 when the name is not such a file.
pid_t writerOf(std::string_view entry, std::string_view base) {
    if (entry.size() <= base.size() + 1 || entry.substr(0, base.size()) != base ||
        entry[base.size()] != '.') {
        return 0;
    }
    std::string_view rest = entry.substr(base.size() + 1);
    std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos || dot > 9 || !isDigits(rest.substr(0, dot), false) ||
        rest.size() - dot - 1 != NUMBER_DIGITS || !isDigits(rest.substr(dot + 1), true)) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, dot))));
}

// New files of this target that a killed run left behind. Those of a process still running (this
// one or another writer) are left alone: it may be about to rename them.
void removeLeftovers(const std::string& folder, const std::string& base) {
    DIR* directory = ::opendir(folder.c_str());
    if (!directory) {
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        pid_t writer = writerOf(entry->d_name, base);
        if (writer > 0 && writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(directory), entry->d_name, 0);
        }
    }
    ::closedir(directory);
}

// A rename is on the disk only once the folder holding the name is; 0 or the error number.
int syncFolder(const ZString& folder) {
    int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    int error = ::fsync(descriptor) == 0 || errno == EINVAL ? 0 : errno;
    ::close(descriptor);
    return error;
}

}  // namespace

ZSaveFile::ZSaveFile(ZString target) : target_(std::move(target)) {}

ZSaveFile::~ZSaveFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.c_str());
    }
}

bool ZSaveFile::open() {
    int error = 0;
    const std::string path = followLinks(target_.str(), error);
    if (error != 0) {
        return fail(error);
    }
    target_ = path;
    const std::size_t slash = path.rfind('/');
    folder_ = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);

    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (!replacing && errno != ENOENT) {
        return fail(errno);
    }
    if (replacing) {
        if (S_ISDIR(existing.st_mode)) {
            return fail(EISDIR);
        }
        // A file that may not be written is refused, though its folder would allow replacing
        // it.
        if (::access(path.c_str(), W_OK) != 0) {
            return fail(errno);
        }
        if (!S_ISREG(existing.st_mode)) {
            descriptor_ = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            return descriptor_ >= 0 || fail(errno);
        }
    }
    removeLeftovers(folder_.str(), slash == std::string::npos ? path : path.substr(slash + 1));
    for (int attempt = 0; attempt < NAME_ATTEMPTS && descriptor_ < 0; ++attempt) {
        ZFormattedString name("%s.%ld.%08x", path.c_str(), long(::getpid()), nextNumber++);
        descriptor_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0) {
            temporary_ = name;
        } else if (errno != EEXIST) {
            return fail(errno);
        }
    }
    if (descriptor_ < 0) {
        return fail(EEXIST);
    }
    if (replacing && ::fchmod(descriptor_, existing.st_mode & 07777) != 0) {
        return fail(errno);
    }
    return true;
}

bool ZSaveFile::write(const void* data, std::size_t size) {
    if (descriptor_ < 0) {
        return fail(EBADF);
    }
    const char* bytes = static_cast<const char*>(data);
    if (buffer_.size() + size > BUFFER_SIZE) {
        if (!flush()) {
            return false;
        }
        if (size >= BUFFER_SIZE) {
            return writeOut(bytes, size);
        }
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool ZSaveFile::flush() {
    if (descriptor_ < 0) {
        return fail(EBADF);
    }
    const bool written = writeOut(buffer_.data(), buffer_.size());
    buffer_.clear();
    return written;
}

bool ZSaveFile::commit() {
    if (!flush()) {
        return false;
    }
    if (temporary_.isEmpty()) {
        return ::close(std::exchange(descriptor_, -1)) == 0 || fail(errno);
    }
    // The new file is complete on the disk before it takes the old one's name; a full disk
    // may show only here.
    if (::fsync(descriptor_) != 0 || ::close(std::exchange(descriptor_, -1)) != 0 ||
        ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return fail(errno);
    }
    temporary_ = ZString();
    if (int error = syncFolder(folder_)) {
        return fail(error);
    }
    return true;
}

ZString ZSaveFile::errorText() const {
    return ::errorText(error_);
}

bool ZSaveFile::writeOut(const char* bytes, std::size_t size) {
    while (size > 0) {
        ssize_t written = ::write(descriptor_, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        bytes += written;
        size -= std::size_t(written);
    }
    return true;
}

bool ZSaveFile::fail(int error) {
    if (error_ == 0) {
        error_ = error;
    }
    if (descriptor_ >= 0) {
        ::close(std::exchange(descriptor_, -1));
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.c_str());
        temporary_ = ZString();
    }
    buffer_.clear();
    return false;
}
