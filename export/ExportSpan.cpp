#include "export/ExportSpan.h"

std::uint64_t ExportSpan::monthsPerGroup() const {
    return toMonth >= fromMonth ? std::uint64_t{toMonth} - fromMonth + 1
                                : std::uint64_t{toMonth} + 13 - fromMonth;
}

std::uint64_t ExportSpan::groups() const {
    return toYear >= fromYear ? std::uint64_t{toYear} - fromYear + 1 : 0;
}

std::uint64_t ExportSpan::firstIndex() const {
    return std::uint64_t{fromYear} * 12 + fromMonth - 1;
}

std::uint64_t ExportSpan::lastIndex() const {
    return firstIndex() + (groups() - 1) * 12 + monthsPerGroup() - 1;
}
