#include "runtime/fpstatus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "runtime/errors.h"
#include "runtime/power.h"

namespace {

using Limits = std::numeric_limits<long double>;

// The message of the first fault `compute` raises from cleared flags, or "".
template <class Compute>
std::string FaultMessage(Compute compute) {
  runtime::ClearFloatFaults();
  volatile long double zero = 0.0L;
  try {
    runtime::CheckFloatFaults(compute(zero));
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  return "";
}

TEST(FloatFaults, TheFirstFaultGivesItsMessage) {
  using Compute = long double (*)(long double);
  const std::pair<Compute, const char*> cases[] = {
      {[](long double zero) { return 1.0L / zero; }, "Floating point division by zero"},
      {[](long double zero) { return zero / zero; }, "Invalid floating point operation"},
      {[](long double zero) { return (zero + Limits::max()) * 2; }, "Floating point overflow"},
      // Underflow and inexact results are no faults.
      {[](long double zero) { return (zero + Limits::denorm_min()) / 3; }, ""},
      {[](long double zero) { return (zero + 1) / 3; }, ""},
      // The invalid operation an infinity leads to does not hide the fault
      // that made the infinity.
      {[](long double zero) { return 1 / zero - 1 / zero; }, "Floating point division by zero"},
      {[](long double zero) { return (zero + Limits::max()) * 2 - (zero + Limits::max()) * 2; },
       "Floating point overflow"}};
  for (const auto& [compute, message] : cases) EXPECT_EQ(FaultMessage(compute), message);
}

TEST(Power, FollowsTheGeneralRulesUpToTheTopOfTheRange) {
  // Base, exponent, power, fault. Squaring stops at the exponent's last bit:
  // no false overflow at the largest power of two.
  const std::tuple<long double, long double, long double, const char*> cases[] = {
      {0, 0, 1, ""}, {0, 2.5L, 0, ""}, {2, 64, 0x1p64L, ""}, {2, -101, 0x1p-101L, ""},
      {-3, 3, -27, ""}, {4, 0.5L, 2, ""}, {2, 16383, 0x1p16383L, ""},
      {0.5L, -16383, 0x1p16383L, ""},
      {2, 16383.5L, 0x1.6a09e667f3bcc908p16383L, ""},  // sqrt(2) * 2^16383 through exp and ln
      {2, 16384, 0, "Floating point overflow"}, {2, 16384.5L, 0, "Floating point overflow"}};
  for (const auto& [base, exponent, expected, fault] : cases) {
    long double power = 0;
    const auto compute = [&](long double z) { return power = runtime::Power(base + z, exponent); };
    EXPECT_EQ(FaultMessage(compute), fault) << double(exponent);
    // Whole exponents give exact powers. Processors differ in the last bits
    // of exp and ln, which a large exponent magnifies.
    const long double allowed = std::trunc(exponent) == exponent ? 0 : 1e-12L * expected;
    EXPECT_TRUE(*fault || std::fabs(power - expected) <= allowed) << double(exponent);
  }
}

}  // namespace
