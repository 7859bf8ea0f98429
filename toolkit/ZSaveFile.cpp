#include "toolkit/ZSaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>
#include <utility>

#include "toolkit/ZFormattedString.h"

namespace {

// The system's text for an error number; unlike strerror safe on any thread.
ZString systemErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// Tries names beside the target until one is new; each process and each file of it differ.
constexpr int NAME_ATTEMPTS = 100;
std::atomic<unsigned> nextNumber{0};

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
    struct stat existing {};
    const bool replacing = ::stat(target_.c_str(), &existing) == 0;
    if (!replacing && errno != ENOENT) {
        return fail(errno);
    }
    if (replacing) {
        // A link is followed, so that the file it names is replaced and the link stays.
        if (std::unique_ptr<char, decltype(&std::free)> real(::realpath(target_.c_str(), nullptr),
                                                             &std::free);
            real) {
            target_ = real.get();
        }
        if (S_ISDIR(existing.st_mode)) {
            return fail(EISDIR);
        }
        if (!S_ISREG(existing.st_mode)) {
            descriptor_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            direct_ = true;
            return descriptor_ >= 0 || fail(errno);
        }
        // A file that may not be written is refused, though its folder would allow replacing
        // it.
        if (::access(target_.c_str(), W_OK) != 0) {
            return fail(errno);
        }
    }
    for (int attempt = 0; attempt < NAME_ATTEMPTS && descriptor_ < 0; ++attempt) {
        ZFormattedString name("%s.%d-%u", target_.c_str(), int(::getpid()), nextNumber++);
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
    // A replaced file keeps its permissions.
    if (replacing && ::fchmod(descriptor_, existing.st_mode & 07777) != 0) {
        return fail(errno);
    }
    return true;
}

bool ZSaveFile::write(const void* data, std::size_t size) {
    if (descriptor_ < 0) {
        return error_ != 0 ? false : fail(EBADF);
    }
    const char* bytes = static_cast<const char*>(data);
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

bool ZSaveFile::commit() {
    if (descriptor_ < 0) {
        return error_ != 0 ? false : fail(EBADF);
    }
    // The new file is complete on the disk before it takes the old one's name; a full disk
    // may show only here.
    if (!direct_ && ::fsync(descriptor_) != 0) {
        return fail(errno);
    }
    if (::close(std::exchange(descriptor_, -1)) != 0) {
        return fail(errno);
    }
    if (!direct_ && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return fail(errno);
    }
    temporary_ = ZString();
    return true;
}

ZString ZSaveFile::errorText() const {
    return systemErrorText(error_);
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
    return false;
}
