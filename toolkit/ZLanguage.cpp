#include "toolkit/ZLanguage.h"

#include <atomic>

namespace {

// Workers word their failures on threads of their own while the window may switch.
std::atomic<ZLanguage::Lookup> currentLookup{nullptr};

}  // namespace

void ZLanguage::setLookup(Lookup lookup) {
    currentLookup.store(lookup);
}

bool ZLanguage::isEnglish() {
    return currentLookup.load() != nullptr;
}

ZString ZLanguage::text(const char* german) {
    Lookup lookup = currentLookup.load();
    if (lookup == nullptr || *german == '\0') {
        return german;
    }
    ZString english = lookup(german);
    return english.isEmpty() ? ZString(german) : english;
}
