#include "toolkit/ZReplacedFile.h"

#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"

ZReplacedFile::ZReplacedFile(const ZString& target) : target_(target), file_(target) {
    check(file_.open());
}

void ZReplacedFile::writeln(const ZString& line) {
    check(file_.write(line.c_str(), line.length()) && file_.write("\n", 1));
}

void ZReplacedFile::write(std::string_view bytes) {
    check(file_.write(bytes.data(), bytes.size()));
}

void ZReplacedFile::commit() {
    check(file_.commit());
}

void ZReplacedFile::check(bool done) const {
    if (!done) {
        throw ZException(ZFormattedString("\"%s\": %s", target_.c_str(), file_.errorText().c_str()),
                         file_.error());
    }
}
