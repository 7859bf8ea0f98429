#pragma once

#include <ctime>

#include "toolkit/ZString.h"
#include "toolkit/ZTimeZone.h"

// A point in time to the second, read and written as calendar fields of a time zone.
class ZDate {
  public:
    static constexpr ZTimeZone TIME_ZONE_DEFAULT = ZTimeZone::Local;

    // The start of 1970 in UTC.
    ZDate() = default;

    // Fields out of their range carry over, as 32 January is 1 February.
    void parse(int year, int month, int day, int hour, int minute, int second, ZTimeZone zone);
    // strftime fields ("%d.%m.%Y"), written the same under every locale.
    ZString format(const char* pattern, ZTimeZone zone) const;

    bool operator==(const ZDate&) const = default;

  private:
    std::time_t seconds_ = 0;
};
