#include "forms/FieldConversions.h"

#include <locale.h>
#include <clocale>
#include <cstdio>

#include "grid/FloatScanner.h"

namespace {

// The number conversions read no locale data in practice; the C locale makes sure of it.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
        return locale;
    }
    locale_t previous_;
};

}  // namespace

std::int32_t convertInt(const ZString& text) {
    CLocaleScope scope;
    int value = 0;
    if (std::sscanf(text.c_str(), "%i", &value) != 1) {
        return 0;
    }
    return value;
}

std::uint32_t convertUnsigned(const ZString& text) {
    CLocaleScope scope;
    unsigned value = 0;
    if (std::sscanf(text.c_str(), "%u", &value) != 1) {
        return 0;
    }
    return value;
}

float convertFloat(const ZString& text) {
    float value = 0.0f;
    scanFloat(text.c_str(), text.c_str() + text.length(), value);
    return value;
}
