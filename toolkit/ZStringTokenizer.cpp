#include "toolkit/ZStringTokenizer.h"

ZStringTokenizer::ZStringTokenizer(const ZString& text, const ZString& separators,
                                   bool keepEmpty) {
    std::string_view rest = text.view();
    std::string_view seps = separators.view();
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find_first_of(seps, start);
        if (end == std::string_view::npos) {
            end = rest.size();
        }
        if (keepEmpty || end > start) {
            tokens_.emplace_back(rest.substr(start, end - start));
        }
        start = end + 1;
    }
    if (!keepEmpty && !tokens_.empty() && tokens_.back().isEmpty()) {
        tokens_.pop_back();
    }
}

ZString ZStringTokenizer::nextValue() {
    if (next_ >= tokens_.size()) {
        return ZString();
    }
    return tokens_[next_++];
}
