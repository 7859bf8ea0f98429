#pragma once

#include <cstddef>
#include <vector>

#include "toolkit/ZString.h"

// Splits a text at any of the separator characters. With keepEmpty set, two separators in a row
// give an empty field between them; otherwise runs of separators count as one.
class ZStringTokenizer {
public:
    ZStringTokenizer(const ZString& text, const ZString& separators, bool keepEmpty);

    std::size_t size() const { return tokens_.size(); }
    // The next field in order; empty once every field was taken.
    ZString nextValue();

private:
    std::vector<ZString> tokens_;
    std::size_t next_ = 0;
};
