#include "toolkit/ZFormattedString.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {

locale_t cLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

}  // namespace

ZFormattedString::ZFormattedString(const char* format, ...) {
    // uselocale is per thread, so the worker threads may format at the same time.
    locale_t previous = uselocale(cLocale());
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (needed >= 0 && static_cast<std::size_t>(needed) < sizeof small) {
        append(std::string_view(small, static_cast<std::size_t>(needed)));
    } else if (needed >= 0) {
        std::vector<char> big(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        append(std::string_view(big.data(), static_cast<std::size_t>(needed)));
    }
    va_end(copy);
    uselocale(previous);
}
