#pragma once

#include <cstdint>

// The first month block of every dataset file is January of this year.
inline constexpr std::uint32_t FIRST_YEAR = 1850;

// Which month of a dataset is shown: a year and a month, or the year's average. The steps are
// the keys' steps: the month keys do nothing in year-average mode, and stepping back stops at
// January of the first year.
class MonthSelection {
  public:
    MonthSelection() = default;
    MonthSelection(std::uint32_t year, std::uint32_t month, bool yearAverage)
        : year_(year), month_(month), yearAverage_(yearAverage) {}

    std::uint32_t year() const { return year_; }
    std::uint32_t month() const { return month_; }
    bool yearAverage() const { return yearAverage_; }

    void nextYear() { ++year_; }
    void previousYear() { --year_; }
    // False in year-average mode, where the selection stays as it was.
    bool nextMonth();
    // False in year-average mode; at January of the first year true, and nothing changes.
    bool previousMonth();

    bool operator==(const MonthSelection&) const = default;

  private:
    std::uint32_t year_ = 0;
    std::uint32_t month_ = 0;
    bool yearAverage_ = false;
};
