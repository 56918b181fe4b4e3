#include "runtime/fpstatus.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "runtime/errors.h"

namespace {

using runtime::CheckFloatFaults;
using runtime::ClearFloatFaults;

std::string FaultMessage(long double (*compute)(long double)) {
  ClearFloatFaults();
  volatile long double zero = 0.0L;
  const long double result = compute(zero);
  try {
    CheckFloatFaults(result);
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  return "";
}

TEST(FloatFaults, EachFlagGivesItsMessage) {
  EXPECT_EQ(FaultMessage([](long double zero) { return 1.0L / zero; }),
            "Floating point division by zero");
  EXPECT_EQ(FaultMessage([](long double zero) { return zero / zero; }),
            "Invalid floating point operation");
  EXPECT_EQ(FaultMessage([](long double zero) {
              return (zero + std::numeric_limits<long double>::max()) * 2.0L;
            }),
            "Floating point overflow");
}

TEST(FloatFaults, QuietResultsAreNotErrors) {
  EXPECT_EQ(FaultMessage([](long double zero) {
              return (zero + std::numeric_limits<long double>::denorm_min()) / 3.0L;
            }),
            "");
  EXPECT_EQ(FaultMessage([](long double zero) { return (zero + 1.0L) / 3.0L; }), "");
}

TEST(FloatFaults, InfinityFromDivisionIsReportedBeforeLaterInvalidOperation) {
  // 1/0 then inf - inf: the first fault was the division.
  EXPECT_EQ(FaultMessage([](long double zero) {
              const long double inf = 1.0L / zero;
              return inf - inf;
            }),
            "Floating point division by zero");
}

TEST(FloatFaultOrder, OverflowThenInvalidInOneIntervalIsReportedAsOverflow) {
  // Both flags are up when checked; the overflow came first, and the invalid
  // operation only followed from its infinity.
  EXPECT_EQ(FaultMessage([](long double zero) {
              const long double inf = (zero + std::numeric_limits<long double>::max()) * 2.0L;
              return inf - inf;
            }),
            "Floating point overflow");
}

TEST(FloatFaults, ClearForgetsEarlierFaults) {
  volatile long double zero = 0.0L;
  const long double inf = 1.0L / zero;
  runtime::Settle(inf);
  ClearFloatFaults();
  EXPECT_NO_THROW(CheckFloatFaults());
}

}  // namespace
