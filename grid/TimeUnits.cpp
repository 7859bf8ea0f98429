#include "grid/TimeUnits.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Year x 12 + month - 1 of a day counted from 1970-01-01.
std::int64_t monthFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2);
    return year * 12 + month - 1;
}

bool isLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::int64_t daysInMonth(std::int64_t y, std::int64_t m) {
    static constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return DAYS[m - 1] + (m == 2 && isLeap(y) ? 1 : 0);
}

// Reads the text piece by piece; every step fails once anything was out of place.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool startsWithDigit() const {
        return p_ != end_ && std::isdigit(static_cast<unsigned char>(*p_));
    }
    void skipBlanks() {
        while (p_ != end_ && std::isspace(static_cast<unsigned char>(*p_))) {
            ++p_;
        }
    }
    std::string word() {
        std::string text;
        while (p_ != end_ && std::isalpha(static_cast<unsigned char>(*p_))) {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(*p_++)));
        }
        return text;
    }
    bool number(std::int64_t& value) {
        auto [ptr, error] = std::from_chars(p_, end_, value);
        if (error != std::errc() || ptr == p_) {
            return false;
        }
        p_ = ptr;
        return true;
    }
    bool seconds(double& value) {
        auto [ptr, error] = std::from_chars(p_, end_, value, std::chars_format::fixed);
        if (error != std::errc() || ptr == p_) {
            return false;
        }
        p_ = ptr;
        return true;
    }
    bool take(char c) {
        if (p_ != end_ && *p_ == c) {
            ++p_;
            return true;
        }
        return false;
    }
    std::string_view rest() const { return {p_, static_cast<std::size_t>(end_ - p_)}; }

  private:
    const char* p_;
    const char* end_;
};

// Hours, minutes and seconds after the date, as a fraction of a day; the time is optional.
std::optional<double> timeOfDay(Scanner& in) {
    if (!in.take('T')) {
        in.skipBlanks();
    }
    if (!in.startsWithDigit()) {
        return 0.0;
    }
    std::int64_t hour = 0;
    std::int64_t minute = 0;
    double second = 0.0;
    if (!in.number(hour) || !in.take(':') || !in.number(minute)) {
        return std::nullopt;
    }
    if (in.take(':') && !in.seconds(second)) {
        return std::nullopt;
    }
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || !(second >= 0.0 && second < 61.0)) {
        return std::nullopt;
    }
    return (static_cast<double>(hour * 3600 + minute * 60) + second) / 86400.0;
}

// Only UTC: "Z", "UTC", "GMT" or an offset of zero.
bool utcZone(Scanner& in) {
    in.skipBlanks();
    const std::string_view zone = in.rest();
    return zone.empty() || zone == "Z" || zone == "UTC" || zone == "GMT" || zone == "+00:00" ||
           zone == "+0000" || zone == "+00" || zone == "+0" || zone == "-00:00";
}

}  // namespace

std::optional<TimeUnits> TimeUnits::parse(std::string_view units) {
    Scanner in(units);
    in.skipBlanks();
    const std::string unit = in.word();
    double daysPerUnit = 0.0;
    if (unit == "days" || unit == "day") {
        daysPerUnit = 1.0;
    } else if (unit == "hours" || unit == "hour") {
        daysPerUnit = 1.0 / 24.0;
    } else {
        return std::nullopt;
    }
    in.skipBlanks();
    if (in.word() != "since") {
        return std::nullopt;
    }
    in.skipBlanks();
    std::int64_t year = 0;
    std::int64_t month = 0;
    std::int64_t day = 0;
    if (!in.number(year) || !in.take('-') || !in.number(month) || !in.take('-') ||
        !in.number(day)) {
        return std::nullopt;
    }
    if (year < -100000 || year > 100000 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    const std::optional<double> time = timeOfDay(in);
    if (!time || !utcZone(in)) {
        return std::nullopt;
    }
    return TimeUnits(daysPerUnit, static_cast<double>(daysFromCivil(year, month, day)) + *time);
}

bool TimeUnits::isGregorian(std::string_view calendar) {
    std::string name;
    for (char c : calendar) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return name.empty() || name == "standard" || name == "gregorian" ||
           name == "proleptic_gregorian";
}

std::optional<std::int64_t> TimeUnits::monthOf(double value) const {
    const double days = reference_ + value * daysPerUnit_;
    // Some ten million years either way: more is no monthly series.
    if (!(std::fabs(days) < 4e9)) {
        return std::nullopt;
    }
    return monthFromDays(static_cast<std::int64_t>(std::floor(days)));
}
