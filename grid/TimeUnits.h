#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The units of a netCDF time coordinate, "days since 1850-01-01 00:00:00" or "hours since ...",
// on the Gregorian calendar: which month a time value falls in.
class TimeUnits {
  public:
    // Nothing when the text is not such a unit: another unit word, no "since", a date or time
    // that cannot be, or a time zone other than UTC.
    static std::optional<TimeUnits> parse(std::string_view units);
    // Whether the calendar attribute names the Gregorian calendar ("" when there is none).
    static bool isGregorian(std::string_view calendar);

    // The month a time value falls in, counted as year x 12 + month - 1; nothing for a value
    // that is not finite or lies absurdly far from the reference date.
    std::optional<std::int64_t> monthOf(double value) const;

  private:
    TimeUnits(double daysPerUnit, double reference)
        : daysPerUnit_(daysPerUnit), reference_(reference) {}

    double daysPerUnit_;
    // The reference date and time in days since 1970-01-01.
    double reference_;
};
