#include "grid/MonthSelection.h"

bool MonthSelection::nextMonth() {
    if (yearAverage_) {
        return false;
    }
    if (month_ == 12) {
        month_ = 1;
        ++year_;
    } else {
        ++month_;
    }
    return true;
}

bool MonthSelection::previousMonth() {
    if (yearAverage_) {
        return false;
    }
    if (month_ == 1) {
        if (year_ < FIRST_YEAR + 1) {
            return true;
        }
        month_ = 12;
        --year_;
    } else {
        --month_;
    }
    return true;
}
