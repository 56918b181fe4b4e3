#include "model/properties.h"

#include <cmath>

#include "runtime/power.h"

namespace model {

namespace {

// The three fits of the equilibrium curve. Each power is a plain repeated
// product and the terms are summed from the highest power down, so every
// strength gives the same bits wherever it is evaluated.
long double LowFit(long double x) {
  return -499.99L * x * x * x * x * x * x + 981.18L * x * x * x * x * x -
         775.47L * x * x * x * x + 319.13L * x * x * x - 74.297L * x * x + 10.147L * x +
         0.00009L;
}

long double MiddleFit(long double x) {
  return -116.0L * x * x * x * x * x + 306.22L * x * x * x * x - 317.43L * x * x * x +
         161.4L * x * x - 39.971L * x + 4.5695L;
}

long double HighFit(long double x) {
  return 412.91L * x * x * x * x * x * x - 1876.0L * x * x * x * x * x +
         3527.8L * x * x * x * x - 3512.0L * x * x * x + 1951.4L * x * x - 573.42L * x +
         70.343L;
}

constexpr long double kAzeotrope = 0.9558L;

}  // namespace

long double vapourstrength(long double x) {
  // Within these bounds no fit can overflow, so only the fit of x's range is
  // evaluated: each fit gives the same bits whether or not the others ran.
  if (x >= -2.0L && x <= 2.0L) {
    if (x <= 0.0L) return 0.0L;
    long double y = kAzeotrope;
    if (x <= 0.3374L) {
      y = LowFit(x);
    } else if (x <= 0.5544L) {
      const long double b = MiddleFit(x);
      y = b - (b - LowFit(x)) * (0.5544L - x) * 0.217L;
    } else if (x <= 0.7254L) {
      const long double c = HighFit(x);
      y = c - (c - MiddleFit(x)) * (0.7252L - x) * 0.1708L;
    } else if (x < kAzeotrope) {
      y = HighFit(x);
    }
    return y > kAzeotrope ? kAzeotrope : y;
  }

  // All three fits are evaluated before the range is chosen: a liquid strength
  // too large for the extended range must overflow whatever its range.
  const long double a = LowFit(x);
  const long double b = MiddleFit(x);
  const long double c = HighFit(x);

  // Below zero, and pure water itself, give pure-water vapour.
  long double y = 0.0L;
  if (x > 0.0L && x <= 0.3374L) y = a;
  if (x > 0.3374L && x <= 0.5544L) y = b - (b - a) * (0.5544L - x) * 0.217L;
  if (x > 0.5544L && x <= 0.7254L) y = c - (c - b) * (0.7252L - x) * 0.1708L;
  if (x > 0.7254L && x < kAzeotrope) y = c;
  if (x >= kAzeotrope) y = kAzeotrope;
  if (y > kAzeotrope) y = kAzeotrope;
  return y;
}

int vapourrange(long double x) {
  if (!(x >= -2.0L && x <= 2.0L)) return -1;
  if (x <= 0.0L) return 0;
  if (x <= 0.3374L) return 1;
  if (x <= 0.5544L) return 2;
  if (x <= 0.7254L) return 3;
  if (x < kAzeotrope) return 4;
  return 5;
}

long double temperature(long double y) {
  if (y < 0.8L) return -22.106L * y * y - 6.249L * y + 100.04L;
  return 103.96L * y * y - 198.37L * y + 172.79L;
}

// Both pure heats scale a reference heat at 298 K (J/mol over g/mol) by the
// reduced-temperature ratio to a power that itself depends on it. Kelvin is
// taken as t + 273.
long double ethanolheat(long double t) {
  const long double tau = 1.0L - (t + 273.0L) / 513.9L;
  return 38743.84L * runtime::Power(tau / 0.42012064604008564L, 0.32L - 0.14L * tau) /
         46.0634L;
}

long double waterheat(long double t) {
  const long double tau = 1.0L - (t + 273.0L) / 647.3L;
  return 40799.86L * runtime::Power(tau / 0.5396261393480611L, 0.21L * tau + 0.19L) /
         18.0152L;
}

long double heatofvaporization(long double y) {
  const long double t = temperature(y);
  return y * ethanolheat(t) + (1.0L - y) * waterheat(t);
}

// For these strengths the bases stay near 0.7 and 0.8 and the exponents near
// 0.28, never whole, so the general power takes exp(exponent * ln base). In
// double precision the arguments are rounded by 2^-53 relative and exp and ln
// err by less than an ulp: the powers, and so the heat, stay within a few
// times 1e-16 of the extended ones.
long double heatofvaporizationestimate(long double y) {
  const long double t = temperature(y);
  const long double ethanoltau = 1.0L - (t + 273.0L) / 513.9L;
  const long double watertau = 1.0L - (t + 273.0L) / 647.3L;
  const double ethanolpower =
      std::exp(static_cast<double>(0.32L - 0.14L * ethanoltau) *
               std::log(static_cast<double>(ethanoltau / 0.42012064604008564L)));
  const double waterpower =
      std::exp(static_cast<double>(0.21L * watertau + 0.19L) *
               std::log(static_cast<double>(watertau / 0.5396261393480611L)));
  return y * (38743.84L * ethanolpower / 46.0634L) +
         (1.0L - y) * (40799.86L * waterpower / 18.0152L);
}

}  // namespace model
