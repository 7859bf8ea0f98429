#pragma once

#include <QLockFile>

// One window per working folder saves its settings and positions: every window writes
// "init.txt" and "positions.txt" whole on closing, so a second one in the same folder would
// silently replace what the first wrote. The lock is a hidden file in the working directory,
// held while the object lives; the lock of a copy that was killed is taken over.
class WorkingFolderLock {
  public:
    WorkingFolderLock();
    WorkingFolderLock(const WorkingFolderLock&) = delete;
    WorkingFolderLock& operator=(const WorkingFolderLock&) = delete;

    // False when another running copy holds the folder.
    bool isHeld() const { return held_; }

    static constexpr const char* FILE_NAME = ".sorvo.lock";

  private:
    QLockFile file_;
    bool held_ = false;
};
