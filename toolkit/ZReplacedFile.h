#pragma once

#include <string_view>

#include "toolkit/ZFile.h"
#include "toolkit/ZString.h"

// A text file written anew under a name of its own next to the target and renamed over the
// target only by commit, so that a failed or interrupted write never costs the old file. Until
// then the target is untouched; without a commit the new file is removed again.
//
// A target that is a link is followed, so the file behind it is replaced and the link stays. The
// new file's name is unique to the writer ("<name>.<process>.<number>"), so two writers in one
// folder never share one; such files left by a process that no longer runs are removed. A target
// that is a device (not a file or folder) has no old contents to keep and is written directly.
// Every failure raises ZException naming the target and the system's reason.
class ZReplacedFile {
  public:
    // Creates the new file; raises ZFileNotFoundException when it cannot be made, and
    // ZException when the target is a folder or exists but may not be written.
    explicit ZReplacedFile(const ZString& target);
    ~ZReplacedFile();
    ZReplacedFile(const ZReplacedFile&) = delete;
    ZReplacedFile& operator=(const ZReplacedFile&) = delete;

    void writeln(const ZString& line);
    void write(std::string_view bytes);
    // Puts the new file on the disk, renames it over the target and makes the rename itself
    // durable by syncing the folder; raises ZException on failure.
    void commit();

  private:
    ZString target_;
    ZString path_;       // the file the target stands for, links followed
    ZString folder_;     // the folder of path_
    ZString temporary_;  // empty when the target is written directly
    ZFile file_;
    bool keepMode_ = false;
    unsigned mode_ = 0;
    bool committed_ = false;
};
