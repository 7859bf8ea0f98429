#include "toolkit/ZReplacedFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "toolkit/ZErrorText.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"

namespace {

ZException failure(const ZString& name, int error) {
    return ZException(ZFormattedString("\"%s\": %s", name.c_str(), errorText(error).c_str()),
                      error);
}

}  // namespace

ZReplacedFile::ZReplacedFile(const ZString& target) : target_(target), temporary_(target + ".new") {
    // A target that is there but may not be written is refused, as the user would expect.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) {
        throw failure(target, EACCES);
    }
    file_.create(temporary_, false);
}

ZReplacedFile::~ZReplacedFile() {
    if (!committed_) {
        file_.close();
        std::remove(temporary_.c_str());
    }
}

void ZReplacedFile::commit() {
    // The new file is complete on the disk before it takes the old one's name.
    if (!file_.sync() || !file_.close()) {
        throw failure(temporary_, errno);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        throw failure(target_, errno);
    }
    committed_ = true;
}
