#pragma once

#include <string_view>

#include "toolkit/ZSaveFile.h"
#include "toolkit/ZString.h"

// A text file saved through a ZSaveFile (the old file stays until commit), with lines and
// failures as the text files' writers want them: every failure raises ZException
// "\"<target>\": <the system's reason>" with the error number as its code.
class ZReplacedFile {
  public:
    // Creates the new file; raises when it cannot be made, when the target is a folder or when
    // it exists but may not be written.
    explicit ZReplacedFile(const ZString& target);

    void writeln(const ZString& line);
    void write(std::string_view bytes);
    void commit();

  private:
    void check(bool done) const;

    ZString target_;
    ZSaveFile file_;
};
