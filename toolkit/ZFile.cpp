#include "toolkit/ZFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

#include "toolkit/ZErrorText.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"

namespace {

ZString describe(const char* what, const ZString& name) {
    return ZFormattedString("%s \"%s\": %s", ztr(what).c_str(), name.c_str(),
                            errorText(errno).c_str());
}

}  // namespace

ZFile::~ZFile() {
    close();
    std::free(lineBuffer_);
}

void ZFile::open(const ZString& name, bool writable) {
    close();
    name_ = name;
    // A file that is only read may be one of the files installed with the program.
    const ZString path = writable ? name : ZSystem::findProgramFile(name);
    file_ = std::fopen(path.c_str(), writable ? "r+b" : "rb");
    if (!file_) {
        throw ZFileNotFoundException(describe(ZTEXT("Datei kann nicht geöffnet werden:"), name),
                                     errno);
    }
    struct stat info {};
    if (fstat(fileno(file_), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(file_);
        file_ = nullptr;
        errno = EISDIR;
        throw ZFileNotFoundException(describe(ZTEXT("Datei kann nicht geöffnet werden:"), name),
                                     errno);
    }
    // A dataset block (under 29 kB) fits one fill of a 32 kB buffer even from an unaligned start.
    std::setvbuf(file_, nullptr, _IOFBF, 32 * 1024);
}

bool ZFile::close() {
    if (!file_) {
        return true;
    }
    bool written = std::fclose(file_) == 0;
    file_ = nullptr;
    return written;
}

bool ZFile::readln(ZString& line) {
    line.assign(std::string_view());
    if (!file_) {
        return false;
    }
    // getline keeps zero bytes inside a line, so junk never shifts the line boundaries.
    ssize_t n = getline(&lineBuffer_, &lineCapacity_, file_);
    if (n < 0) {
        return false;
    }
    std::size_t length = static_cast<std::size_t>(n);
    if (length > 0 && lineBuffer_[length - 1] == '\n') {
        --length;
        if (length > 0 && lineBuffer_[length - 1] == '\r') {
            --length;
        }
    } else if (length > 0 && lineBuffer_[length - 1] == '\r') {
        --length;
    }
    // Reuses the line's storage: long files are read line by line on every render.
    line.assign(std::string_view(lineBuffer_, length));
    return true;
}

std::uint64_t ZFile::size() const {
    struct stat info {};
    if (!file_ || fstat(fileno(file_), &info) != 0) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

void ZFile::seek(std::uint64_t offset) {
    if (file_) {
        fseeko(file_, static_cast<off_t>(offset), SEEK_SET);
    }
}

std::uint64_t ZFile::tell() const {
    if (!file_) {
        return 0;
    }
    off_t position = ftello(file_);
    return position < 0 ? 0 : static_cast<std::uint64_t>(position);
}

bool ZFile::readAt(std::uint64_t offset, char* buffer, std::uint64_t size) const {
    if (!file_) {
        return false;
    }
    const int descriptor = fileno(file_);
    std::uint64_t done = 0;
    while (done < size) {
        ssize_t got =
            pread(descriptor, buffer + done, size - done, static_cast<off_t>(offset + done));
        if (got <= 0) {
            if (got < 0 && errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::uint64_t>(got);
    }
    return true;
}

ZFileVersion ZFile::version(const ZString& name) {
    ZFileVersion version;
    struct stat info {};
    if (stat(name.c_str(), &info) != 0) {
        return version;
    }
    version.exists = true;
    version.device = static_cast<std::uint64_t>(info.st_dev);
    version.inode = static_cast<std::uint64_t>(info.st_ino);
    version.size = static_cast<std::uint64_t>(info.st_size);
    version.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    version.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return version;
}
