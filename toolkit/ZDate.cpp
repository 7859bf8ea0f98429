#include "toolkit/ZDate.h"

#include <locale.h>
#include <clocale>

void ZDate::parse(int year, int month, int day, int hour, int minute, int second, ZTimeZone zone) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    // Let the zone's rules decide about daylight saving time.
    fields.tm_isdst = -1;
    seconds_ = zone == ZTimeZone::Utc ? timegm(&fields) : std::mktime(&fields);
}

ZString ZDate::format(const char* pattern, ZTimeZone zone) const {
    std::tm fields{};
    if (zone == ZTimeZone::Utc) {
        gmtime_r(&seconds_, &fields);
    } else {
        localtime_r(&seconds_, &fields);
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    char text[256];
    std::size_t length = strftime_l(text, sizeof text, pattern, &fields, cLocale);
    return ZString(std::string_view(text, length));
}
