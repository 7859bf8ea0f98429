#include "series/SeriesRequest.h"

#include "series/SeriesTexts.h"

std::string SeriesRequest::problem() const {
    namespace texts = seriestexts;
    if (regions.empty()) {
        return ztr(texts::NO_REGIONS).str();
    }
    if (fromYear > toYear) {
        return texts::yearsReversed(fromYear, toYear);
    }
    // Written so that NaN fails as well.
    if (!(thresholdPercent >= 0 && thresholdPercent <= 100)) {
        return ztr(texts::THRESHOLD_OUTSIDE).str();
    }
    if (step == SeriesStep::OneMonthOfYear && (month < 1 || month > 12)) {
        return ztr(texts::MONTH_OUTSIDE).str();
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
