#include "toolkit/ZReplacedFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "toolkit/ZErrorText.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"

namespace {

// As many links in a row as the kernel follows.
constexpr int MAX_LINKS = 40;
constexpr std::size_t NUMBER_DIGITS = 8;

ZString reason(const ZString& name, int error) {
    return ZFormattedString("\"%s\": %s", name.c_str(), errorText(error).c_str());
}

ZException failure(const ZString& name, int error) {
    return ZException(reason(name, error), error);
}

// The path a name stands for with every link followed, also a last one that points to no file
// yet (it is created there). A relative link counts from the link's own folder.
std::string followLinks(const ZString& name) {
    std::string path = name.str();
    for (int links = 0; links < MAX_LINKS; ++links) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(static_cast<std::size_t>(info.st_size) + 256, '\0');
        ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            throw failure(name, errno);
        }
        target.resize(static_cast<std::size_t>(length));
        std::size_t slash = path.rfind('/');
        if (!target.empty() && target[0] != '/' && slash != std::string::npos) {
            target.insert(0, path, 0, slash + 1);
        }
        path = std::move(target);
    }
    throw failure(name, ELOOP);
}

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
    DIR* directory = opendir(folder.c_str());
    if (!directory) {
        return;
    }
    while (const dirent* entry = readdir(directory)) {
        pid_t writer = writerOf(entry->d_name, base);
        if (writer > 0 && writer != getpid() && kill(writer, 0) != 0 && errno == ESRCH) {
            unlinkat(dirfd(directory), entry->d_name, 0);
        }
    }
    closedir(directory);
}

// A rename is on the disk only once the folder holding the name is.
int syncFolder(const std::string& folder) {
    int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    int error = fsync(descriptor) == 0 || errno == EINVAL ? 0 : errno;
    close(descriptor);
    return error;
}

std::atomic<unsigned> nextNumber{0};

}  // namespace

ZReplacedFile::ZReplacedFile(const ZString& target) : target_(target) {
    const std::string path = followLinks(target);
    path_ = path;
    const std::size_t slash = path.rfind('/');
    folder_ = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);

    bool direct = false;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            throw failure(target, EISDIR);
        }
        // A target that is there but may not be written is refused, as the user would expect.
        if (access(path.c_str(), W_OK) != 0) {
            throw failure(target, errno);
        }
        direct = !S_ISREG(info.st_mode);
        keepMode_ = !direct;
        mode_ = info.st_mode & 07777;
    }
    try {
        if (direct) {
            file_.create(path_, false);
            return;
        }
        removeLeftovers(folder_.str(), base);
        do {
            temporary_ = ZFormattedString("%s.%ld.%08x", path.c_str(), static_cast<long>(getpid()),
                                          nextNumber++);
        } while (!file_.createNew(temporary_));
    } catch (const ZFileNotFoundException& exception) {
        throw ZFileNotFoundException(reason(target, exception.getCode()), exception.getCode());
    }
}

ZReplacedFile::~ZReplacedFile() {
    if (!committed_) {
        file_.close();
        if (!temporary_.isEmpty()) {
            std::remove(temporary_.c_str());
        }
    }
}

void ZReplacedFile::writeln(const ZString& line) {
    try {
        file_.writeln(line);
    } catch (const ZException& exception) {
        throw failure(target_, exception.getCode());
    }
}

void ZReplacedFile::write(std::string_view bytes) {
    try {
        file_.write(bytes);
    } catch (const ZException& exception) {
        throw failure(target_, exception.getCode());
    }
}

void ZReplacedFile::commit() {
    if (temporary_.isEmpty()) {
        if (!file_.close()) {
            throw failure(target_, errno);
        }
        committed_ = true;
        return;
    }
    // The new file is complete on the disk before it takes the old one's name.
    if (!file_.sync()) {
        throw failure(target_, errno);
    }
    if (!file_.close()) {
        throw failure(target_, errno);
    }
    // The file keeps the permissions the user gave the old one.
    if (keepMode_ && chmod(temporary_.c_str(), mode_) != 0) {
        throw failure(target_, errno);
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        throw failure(target_, errno);
    }
    committed_ = true;
    if (int error = syncFolder(folder_.str())) {
        throw failure(target_, error);
    }
}
