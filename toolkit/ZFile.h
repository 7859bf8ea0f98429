#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "toolkit/ZString.h"

// Which contents a file name stands for at one moment: a file replaced or rewritten gets another
// version (its device, inode, size or modification time in nanoseconds change).
struct ZFileVersion {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const ZFileVersion&) const = default;
};

// A text file read line by line, with its size and absolute positioning.
class ZFile {
  public:
    ZFile() = default;
    ZFile(const ZFile&) = delete;
    ZFile& operator=(const ZFile&) = delete;
    ~ZFile();

    // Opens an existing file for reading (or for reading and writing when writable is set).
    // Raises ZFileNotFoundException naming the file when it cannot be opened.
    void open(const ZString& name, bool writable);
    // False when data still buffered could not be written.
    bool close();
    bool isOpen() const { return file_ != nullptr; }
    const ZString& getName() const { return name_; }

    // One line without its end ("\n" or "\r\n"); false at the end of the file.
    bool readln(ZString& line);
    // Size of the file in bytes.
    std::uint64_t size() const;
    // Moves the read position to an absolute byte offset.
    void seek(std::uint64_t offset);
    // The read position as an absolute byte offset.
    std::uint64_t tell() const;
    // Reads exactly size bytes from the absolute offset, past the line buffer and without moving
    // the read position; false when the file has fewer bytes there or cannot be read.
    bool readAt(std::uint64_t offset, char* buffer, std::uint64_t size) const;

    // The version of the file the name stands for now; a missing file has exists false.
    static ZFileVersion version(const ZString& name);

  private:
    std::FILE* file_ = nullptr;
    ZString name_;
    char* lineBuffer_ = nullptr;
    std::size_t lineCapacity_ = 0;
};
