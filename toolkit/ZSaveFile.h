#pragma once

#include <cstddef>

#include "toolkit/ZString.h"

// A binary file written anew beside its target and renamed over it only by commit, so that a
// failed write never costs the old file. Every failure keeps the system's error number of the
// call that failed, so a message can name the real cause ("No space left on device"), which
// Qt's save file often loses. A symbolic link is followed; a target that is a device (say
// /dev/null) is written directly.
class ZSaveFile {
  public:
    explicit ZSaveFile(ZString target);
    // An uncommitted new file is removed again.
    ~ZSaveFile();
    ZSaveFile(const ZSaveFile&) = delete;
    ZSaveFile& operator=(const ZSaveFile&) = delete;

    // Creates the new file; false when it cannot be made, when a folder stands where the file
    // should be, or when the target is there but may not be written.
    bool open();
    // Writes everything or fails; once anything failed, further writes fail too.
    bool write(const void* data, std::size_t size);
    // Puts the new file on the disk and gives it the target's name.
    bool commit();

    // The error number of the first failure, 0 while there is none.
    int error() const { return error_; }
    // The system's text for it.
    ZString errorText() const;

  private:
    bool fail(int error);

    ZString target_;
    ZString temporary_;
    int descriptor_ = -1;
    int error_ = 0;
    bool direct_ = false;
};
