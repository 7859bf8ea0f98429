#include "grid/SpanCheck.h"

#include "grid/MonthSelection.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"

ZString spanProblem(std::initializer_list<std::uint32_t> years,
                    std::initializer_list<std::uint32_t> months, std::uint64_t first,
                    std::uint64_t last, const char* endBeforeStart) {
    for (std::uint32_t year : years) {
        if (year < FIRST_YEAR) {
            return ZFormattedString(ztr("Jahr ab %u möglich.").c_str(), FIRST_YEAR);
        }
    }
    for (std::uint32_t month : months) {
        if (month < 1 || month > 12) {
            return ztr("Monatsbereich 1-12.");
        }
    }
    if (last < first) {
        return ztr(endBeforeStart);
    }
    return ZString();
}
