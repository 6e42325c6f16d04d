#include "analysis/StabilityFunctions.h"

#include <array>
#include <cmath>

namespace {

// Twelve terms leave a truncation error below 1e-25 for |t| < kSeriesLimit.
constexpr int kTerms = 12;

double InverseFactorial(int n) {
  static const std::array<double, 2 *kTerms + 8> table = [] {
    std::array<double, 2 * kTerms + 8> f{};
    f[0] = 1.0;
    for (std::size_t i = 1; i < f.size(); ++i)
      f[i] = f[i - 1] / static_cast<double>(i);
    return f;
  }();
  return table[n];
}

// Sum over k = first .. first + kTerms - 1 of c(k) t^(k - first), by Horner.
template <class Coefficient> double Series(double t, int first, Coefficient c) {
  double sum = 0.0;
  for (int k = first + kTerms - 1; k >= first; --k)
    sum = sum * t + c(k);
  return sum;
}

// sinh(e) / e under tension, sin(e) / e under compression.
double SinOverArgument(double t) {
  return Series(t, 0, [](int k) { return InverseFactorial(2 * k + 1); });
}

// (2 (cf(e) - 1) - t sf(e) / e) / t^2, the common denominator.
double Denominator(double t) {
  return -Series(t, 0, [](int m) { return 2.0 * (m + 1) * InverseFactorial(2 * m + 4); });
}

// Powers of v^2 up to the highest the series need.
std::array<double, kTerms + 3> SquarePowers(double v) {
  std::array<double, kTerms + 3> p{};
  p[0] = 1.0;
  for (std::size_t i = 1; i < p.size(); ++i)
    p[i] = p[i - 1] * v * v;
  return p;
}

} // namespace

double MomentShape(double v, double t) {
  const double e = std::sqrt(std::fabs(t));
  if (t < 0.0)
    return std::sin(e * v) / std::sin(e);
  // sinh(e v) / sinh(e) = exp(e v - e) (1 - exp(-2 e v)) / (1 - exp(-2 e)),
  // which neither overflows nor loses digits for large e.
  return std::exp(e * (v - 1.0)) * std::expm1(-2.0 * e * v) / std::expm1(-2.0 * e);
}

double MomentShapeSlope(double v, double t) {
  const double e = std::sqrt(std::fabs(t));
  if (t < 0.0)
    return e * std::cos(e * v) / std::sin(e);
  return -e * std::exp(e * (v - 1.0)) * (1.0 + std::exp(-2.0 * e * v)) / std::expm1(-2.0 * e);
}

BendingCoefficients StabilityCoefficients(double t, double sg) {
  const double a = std::fabs(t);
  if (a < kFirstOrderLimit) {
    const double x = sg * a;
    return {4.0 * (1.0 + 0.1 * x) / (1.0 + 0.066666666 * x),
            2.0 * (1.0 + 0.05 * x) / (1.0 + 0.066666666 * x)};
  }
  if (a < kSeriesLimit) {
    const double d = Denominator(t);
    return {Series(t, 1, [](int k) { return -2.0 * k * InverseFactorial(2 * k + 1); }) / d,
            -Series(t, 1, [](int k) { return InverseFactorial(2 * k + 1); }) / d};
  }
  const double e = std::sqrt(a);
  if (t < 0.0) {
    const double s = std::sin(e), c = std::cos(e);
    const double d = (c - 1.0) * 2.0 * sg - e * s;
    return {e * (s - e * c) / d, e * (e - s) / d};
  }
  // The same quotients with numerator and denominator divided by cosh(e):
  // sinh and cosh overflow above e = 710 (and e^2 cosh(e) well before),
  // which a slender bar under a large tension reaches.
  const double th = std::tanh(e), ic = 1.0 / std::cosh(e);
  const double d = (1.0 - ic) * 2.0 * sg - e * th;
  return {e * (th - e) / d, e * (e * ic - th) / d};
}

LoadQuotients FixedEndQuotients(double t, BendingCoefficients coefficients) {
  if (std::fabs(t) < kSeriesLimit) {
    const double d = Denominator(t);
    return {
        Series(t, 3, [](int k) { return 2.0 * (4 * k - 3) * (k - 2) * InverseFactorial(2 * k); }) /
            d,
        Series(t, 2, [](int k) { return 2.0 * (k - 1) * InverseFactorial(2 * k + 1); }) / d};
  }
  const double alpha = coefficients.alpha, beta = coefficients.beta;
  return {(6.0 - 2.0 * alpha + beta) / t, (2.0 * beta - alpha) / t};
}

double MomentDeflection(double v, double t) {
  if (std::fabs(t) < kSeriesLimit) {
    const auto p = SquarePowers(v);
    return v * Series(t, 1, [&](int k) { return (p[k] - 1.0) * InverseFactorial(2 * k + 1); }) /
           SinOverArgument(t);
  }
  return (MomentShape(v, t) - v) / t;
}

double MomentSlope(double v, double t) {
  if (std::fabs(t) < kSeriesLimit) {
    const auto p = SquarePowers(v);
    return Series(t, 1,
                  [&](int k) {
                    return p[k] * InverseFactorial(2 * k) - InverseFactorial(2 * k + 1);
                  }) /
           SinOverArgument(t);
  }
  return (MomentShapeSlope(v, t) - 1.0) / t;
}

double LoadDeflection(double v, double t) {
  if (std::fabs(t) < kSeriesLimit) {
    const auto p = SquarePowers(v);
    const double bow = -(p[1] - 1.0) / 6.0;
    return v *
           Series(t, 0,
                  [&](int m) {
                    return bow * InverseFactorial(2 * m + 3) +
                           (p[m + 2] - 1.0) * InverseFactorial(2 * m + 5);
                  }) /
           SinOverArgument(t);
  }
  return (MomentDeflection(v, t) + (v - v * v * v) / 6.0) / t;
}
