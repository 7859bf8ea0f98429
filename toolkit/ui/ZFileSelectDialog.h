#pragma once

#include <vector>

#include "toolkit/ZString.h"

class ZWindowContext;

// One entry of a file dialog's type list: a description and a pattern such as "*.gif".
struct ZFileFilter {
    ZString description;
    ZString pattern;
};

// The desktop's dialog for choosing a file name to save under, or an existing file to open.
class ZFileSelectDialog {
  public:
    ZFileSelectDialog(ZWindowContext* parent, std::vector<ZFileFilter> filters);

    void setInitialFilename(const ZString& name);
    // Runs the dialog modally with the title; false when the user cancels.
    bool showSaveDialog(const ZString& title);
    // The same for a file that exists; the initial name, when given, is the file first shown.
    bool showOpenDialog(const ZString& title);
    const ZString& getFilename() const { return fileName_; }

  private:
    bool run(const ZString& title, bool save);

    ZWindowContext* parent_;
    std::vector<ZFileFilter> filters_;
    ZString fileName_;
};
