#pragma once

#include <cstddef>
#include <vector>

#include "toolkit/ZString.h"

// A file written anew beside its target and renamed over it only by commit, so that a failed or
// interrupted write never costs the old file; without a commit the new file is removed again.
//
// The new file's name is the writer's own ("<name>.<process>.<8 hex digits>", created only if
// new), so two writers in one folder never share one; such files left by a process that no
// longer runs are removed. A target that is a link is followed, so the file behind it is
// replaced and the link stays; a target that is a device (say /dev/null) has no old contents to
// keep and is written directly. A replaced file keeps its permissions.
//
// Writes are gathered in a buffer, so many small ones cost few calls. Every failure keeps the
// system's error number of the call that failed, so a message can name the real cause ("No
// space left on device").
class ZSaveFile {
  public:
    explicit ZSaveFile(ZString target);
    ~ZSaveFile();
    ZSaveFile(const ZSaveFile&) = delete;
    ZSaveFile& operator=(const ZSaveFile&) = delete;

    // Creates the new file; false when it cannot be made, when a folder stands where the file
    // should be, or when the target is there but may not be written.
    bool open();
    // Takes everything or fails; once anything failed, further writes fail too. A failure of
    // the disk may show only at the next flush or at commit.
    bool write(const void* data, std::size_t size);
    // Hands what is buffered to the system, so a full disk shows now.
    bool flush();
    // Puts the new file on the disk, gives it the target's name and puts that rename on the
    // disk too.
    bool commit();

    // The error number of the first failure, 0 while there is none.
    int error() const { return error_; }
    // The system's text for it.
    ZString errorText() const;

  private:
    bool writeOut(const char* bytes, std::size_t size);
    bool fail(int error);

    ZString target_;
    ZString temporary_;  // empty when the target is written directly
    ZString folder_;
    int descriptor_ = -1;
    int error_ = 0;
    std::vector<char> buffer_;
};
