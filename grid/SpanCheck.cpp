#include "grid/SpanCheck.h"

#include "grid/MonthSelection.h"
#include "toolkit/ZFormattedString.h"

ZString spanProblem(std::initializer_list<std::uint32_t> years,
                    std::initializer_list<std::uint32_t> months, std::uint64_t first,
                    std::uint64_t last, const char* endBeforeStart) {
    for (std::uint32_t year : years) {
        if (year < FIRST_YEAR) {
            return ZFormattedString("Jahr ab %u möglich.", FIRST_YEAR);
        }
    }
    for (std::uint32_t month : months) {
        if (month < 1 || month > 12) {
            return "Monatsbereich 1-12.";
        }
    }
    if (last < first) {
        return endBeforeStart;
    }
    return ZString();
}
