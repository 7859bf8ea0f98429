#include "series/SeriesRequest.h"

#include "series/SeriesTexts.h"

std::string SeriesRequest::problem() const {
    namespace texts = seriestexts;
    if (regions.empty()) {
        return texts::NO_REGIONS;
    }
    if (fromYear > toYear) {
        return texts::yearsReversed(fromYear, toYear);
    }
    // Written so that NaN fails as well.
    if (!(thresholdPercent >= 0 && thresholdPercent <= 100)) {
        return texts::THRESHOLD_OUTSIDE;
    }
    if (step == SeriesStep::OneMonthOfYear && (month < 1 || month > 12)) {
        return texts::MONTH_OUTSIDE;
    }
    if (baseline && baseline->first > baseline->last) {
        return texts::baselineReversed(baseline->first, baseline->last);
    }
    for (const SeriesRegion& region : regions) {
        if (std::string problem = region.problem(); !problem.empty()) {
            return problem;
        }
    }
    return "";
}
