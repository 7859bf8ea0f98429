#pragma once

#include <string>

#include "grid/tests/DatasetFiles.h"

// A fresh working folder for one test, made the current directory while it lives: a small
// dataset "data/cru/hadcrut3v.dat" (January 1850 to December 1851) and the three background
// pictures, each of one colour.
class WorkingFolder : public TemporaryDirectory {
  public:
    WorkingFolder();

    std::string read(const std::string& name) const;
};
