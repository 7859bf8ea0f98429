#include "series/StudentT.h"

#include <cmath>

namespace {

// The regularized incomplete beta function I_x(a, b) by its continued fraction (modified
// Lentz), taken on the side of x where it converges quickly.
double incompleteBeta(double x, double a, double b) {
    if (x <= 0) {
        return 0;
    }
    if (x >= 1) {
        return 1;
    }
    if (x > (a + 1) / (a + b + 2)) {
        return 1 - incompleteBeta(1 - x, b, a);
    }
    const double front = std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) +
                                  a * std::log(x) + b * std::log1p(-x)) /
                         a;
    constexpr double TINY = 1e-300;
    double c = 1, d = 1 - (a + b) * x / (a + 1);
    d = 1 / (std::fabs(d) < TINY ? TINY : d);
    double f = d;
    for (int m = 1; m < 300; ++m) {
        for (int half = 0; half < 2; ++half) {
            const double numerator =
                half == 0 ? m * (b - m) * x / ((a + 2 * m - 1) * (a + 2 * m))
                          : -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 2 * m + 1));
            d = 1 + numerator * d;
            d = 1 / (std::fabs(d) < TINY ? TINY : d);
            c = 1 + numerator / c;
            c = std::fabs(c) < TINY ? TINY : c;
            f *= c * d;
        }
        if (std::fabs(c * d - 1) < 1e-15) {
            break;
        }
    }
    return front * f;
}

// P(T <= t) for t >= 0.
double cumulative(double t, double nu) {
    return 1 - 0.5 * incompleteBeta(nu / (nu + t * t), nu / 2, 0.5);
}

}  // namespace

double studentTQuantile(double p, double degreesOfFreedom) {
    // The distribution function rises monotonically: widen the bracket, then halve it.
    double low = 0, high = 2;
    while (cumulative(high, degreesOfFreedom) < p && high < 1e300) {
        low = high;
        high *= 2;
    }
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        const double middle = (low + high) / 2;
        (cumulative(middle, degreesOfFreedom) < p ? low : high) = middle;
    }
    return (low + high) / 2;
}
