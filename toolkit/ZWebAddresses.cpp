#include "toolkit/ZWebAddresses.h"

namespace {

bool startsAt(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[at + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Blanks, quotes and angle brackets end an address; so does any byte outside ASCII, since
// addresses in our texts are written in ASCII and a typographic quote may follow directly.
bool endsAddress(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte >= 0x7F || c == '"' || c == '<' || c == '>';
}

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::vector<ZWebAddress> findWebAddresses(std::string_view text) {
    std::vector<ZWebAddress> found;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t prefix = 0;
        bool wordStart = at == 0 || !isWordCharacter(text[at - 1]);
        if (wordStart && startsAt(text, at, "https://")) {
            prefix = 8;
        } else if (wordStart && startsAt(text, at, "http://")) {
            prefix = 7;
        } else if (wordStart && startsAt(text, at, "www.")) {
            prefix = 4;
        }
        if (prefix == 0) {
            ++at;
            continue;
        }
        std::size_t end = at + prefix;
        while (end < text.size() && !endsAddress(text[end])) {
            ++end;
        }
        // A full stop, comma or closing bracket right after an address belongs to the sentence.
        while (end > at + prefix &&
               std::string_view(".,;:!?)'").find(text[end - 1]) != std::string_view::npos) {
            --end;
        }
        if (end == at + prefix) {
            at = end;
            continue;
        }
        std::string address(text.substr(at, end - at));
        found.push_back({at, end - at, prefix == 4 ? "http://" + address : address});
        at = end;
    }
    return found;
}
