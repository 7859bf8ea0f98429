#pragma once

// The quantile of Student's t distribution: the t below which the share p (0.5 < p < 1) of the
// distribution lies, for any positive (also fractional) degrees of freedom.
double studentTQuantile(double p, double degreesOfFreedom);
