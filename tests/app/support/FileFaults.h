#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

// The system's text for an error number, in the locale the test runs under: what a message
// about a file that failed must name.
inline std::string systemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// Makes name a file on which every write fails as on a full disk. As root it is a device node
// of its own for the device behind /dev/full, so that a program that wrongly replaced the file
// would replace only that node; otherwise a link to /dev/full, which a user cannot replace.
inline void makeFullFile(const std::filesystem::path& name) {
    if (::mknod(name.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        int descriptor = ::open(name.c_str(), O_WRONLY);
        bool full = descriptor >= 0 && ::write(descriptor, "x", 1) < 0 && errno == ENOSPC;
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        if (full) {
            return;
        }
        ::unlink(name.c_str());
    }
    std::filesystem::create_symlink("/dev/full", name);
}
