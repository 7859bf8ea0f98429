#pragma once

#include "toolkit/ZFile.h"
#include "toolkit/ZString.h"

// A text file written anew under a name of its own next to the target and renamed over the
// target only by commit, so that a failed or interrupted write never costs the old file. Until
// then the target is untouched; without a commit the new file is removed again.
class ZReplacedFile {
  public:
    // Creates the new file; raises ZFileNotFoundException when it cannot be made, and
    // ZException when the target exists but may not be written.
    explicit ZReplacedFile(const ZString& target);
    ~ZReplacedFile();
    ZReplacedFile(const ZReplacedFile&) = delete;
    ZReplacedFile& operator=(const ZReplacedFile&) = delete;

    void writeln(const ZString& line) { file_.writeln(line); }
    // Closes the new file and renames it over the target; raises ZException on failure.
    void commit();

  private:
    ZString target_;
    ZString temporary_;
    ZFile file_;
    bool committed_ = false;
};
