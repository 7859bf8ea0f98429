#include "series/TrendFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "series/SeriesTexts.h"
#include "series/StudentT.h"
#include "toolkit/ZDecimalText.h"

namespace {

bool used(const SeriesPoint& point, double fromTime, double toTime) {
    return !std::isnan(point.value) && point.time >= fromTime && point.time <= toTime;
}

// "+0,19", "-0,05": two decimals with a decimal comma and the sign always written.
std::string signedHundredths(double value) {
    const double rounded = std::round(value * 100) / 100;
    std::string text(rounded < 0 ? "-" : "+");
    return text += decimalComma(std::fabs(rounded), 2);
}

}  // namespace

TrendFit TrendFit::of(const std::vector<SeriesPoint>& points, double fromTime, double toTime) {
    TrendFit fit;
    double timeSum = 0, valueSum = 0;
    for (const SeriesPoint& point : points) {
        if (used(point, fromTime, toTime)) {
            timeSum += point.time;
            valueSum += point.value;
            ++fit.count;
        }
    }
    if (fit.count < 3) {
        return fit;
    }
    const double n = static_cast<double>(fit.count);
    // Sums about the means, so that decimal years near 2000 lose no digits.
    const double timeMean = timeSum / n, valueMean = valueSum / n;
    double sxx = 0, sxy = 0;
    for (const SeriesPoint& point : points) {
        if (used(point, fromTime, toTime)) {
            sxx += (point.time - timeMean) * (point.time - timeMean);
            sxy += (point.time - timeMean) * (point.value - valueMean);
        }
    }
    if (sxx <= 0) {
        return fit;
    }
    const double slope = sxy / sxx;
    fit.valid = true;
    fit.slopePerDecade = slope * 10;
    fit.intercept = valueMean - slope * timeMean;

    // Residuals' lag-1 autocorrelation over neighbouring points of the series: a pair counts
    // only when both of its points are used, so a gap (or the span's edge) breaks the chain
    // instead of joining values that lie apart in time.
    double squares = 0, products = 0;
    double before = std::numeric_limits<double>::quiet_NaN();
    for (const SeriesPoint& point : points) {
        if (!used(point, fromTime, toTime)) {
            before = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const double residual = point.value - fit.at(point.time);
        squares += residual * residual;
        products += std::isnan(before) ? 0 : before * residual;
        before = residual;
    }
    fit.lag1 = squares > 0 ? products / squares : 0;
    // The estimate runs low by about (1 + 4 r) / n (residuals of a fitted line), which would
    // make the interval too narrow for short series: corrected before use. Negative
    // autocorrelation would claim more independent values than points.
    const double r1 = std::clamp(fit.lag1 + (1 + 4 * fit.lag1) / n, 0.0, 0.999);
    fit.effectiveCount = n * (1 - r1) / (1 + r1);
    fit.hasInterval = fit.effectiveCount > 2;
    if (!fit.hasInterval) {
        fit.halfWidth95 = std::numeric_limits<double>::quiet_NaN();
        return fit;
    }
    const double standardError =
        std::sqrt(squares / (n - 2) / sxx) * std::sqrt((n - 2) / (fit.effectiveCount - 2));
    fit.halfWidth95 = 10 * standardError * studentTQuantile(0.975, fit.effectiveCount - 2);
    return fit;
}

double TrendFit::at(double time) const {
    return intercept + slopePerDecade / 10 * time;
}

std::string TrendFit::text() const {
    namespace texts = seriestexts;
    if (!valid) {
        return ztr(texts::NO_TREND).str();
    }
    const std::string slope = signedHundredths(slopePerDecade) + " " + ztr(texts::PER_DECADE).str();
    if (!hasInterval) {
        return slope + " (" + ztr(texts::NO_INTERVAL).str() + ")";
    }
    return slope + " (±" + decimalComma(halfWidth95, 2) + ")";
}
