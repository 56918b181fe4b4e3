#include "model/column.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "model/properties.h"
#include "runtime/errors.h"
#include "runtime/fpstatus.h"
#include "shown.h"

namespace {

using model::ColumnInputs;
using model::Repeats;
using model::TColumn;
using modeltest::Shows;

// Inputs as typed: power W, still strength %, trays, reflux ratio.
ColumnInputs Typed(std::int32_t power, long double percent, std::int32_t trays, long double reflux) {
  return ColumnInputs{power, percent / 100.0L, trays, reflux + 1.0L};
}

std::string Describe(const ColumnInputs& in) {
  return std::to_string(in.power) + " W, " + std::to_string(double(in.stillstrength)) + ", " +
         std::to_string(in.traycount) + " trays, R+1 " + std::to_string(double(in.refluxplusone));
}

TColumn Calculated(const ColumnInputs& inputs, Repeats repeats = Repeats::kSkip) {
  TColumn column;
  column.Calculate(inputs, repeats);
  return column;
}

std::string FirstFault(const ColumnInputs& inputs) {
  try {
    Calculated(inputs);
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  return "";
}

TEST(Column, ShowsTheTabulatedResults) {
  struct Row {
    ColumnInputs inputs;
    const char *vapour, *ethanol, *toppercent, *product, *reflux, *efficiency;
    bool topdown;
  };
  const Row rows[] = {
      {Typed(1000, 1, 20, 15), "1809.94", "170.93", "75.9624", "203.88", "3058.22", "90.60", true},
      {Typed(1000, 20, 15, 1), "2889.94", "1883.88", "88.2114", "1914.46", "1914.46", "89.64", false},
      {Typed(1000, 10, 5, 2), "2541.48", "1328.47", "87.7343", "1267.56", "2535.13", "83.71", false},
      {Typed(500, 40, 10, 3), "1595.63", "1182.43", "93.6639", "519.88", "1559.65", "41.18", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(Describe(row.inputs));
    const TColumn c = Calculated(row.inputs);
    EXPECT_TRUE(Shows(c.stillvapour, row.vapour));
    EXPECT_TRUE(Shows(c.stillethanol, row.ethanol));
    EXPECT_TRUE(Shows(c.topstrength * 100.0L, row.toppercent));
    EXPECT_TRUE(Shows(c.product, row.product));
    EXPECT_TRUE(Shows(c.product * c.inputs.refluxplusone - c.product, row.reflux));
    EXPECT_TRUE(Shows(c.productethanol / c.stillethanol * 100.0L, row.efficiency));
    EXPECT_EQ(c.topdownsolved, row.topdown);
  }
}

// A tray as the report shows it, in per cent, °C and g/h; "" is not checked.
void ExpectTray(const TColumn& c, int tray, const char* liquid, const char* vapour,
                std::string temperature = "", std::string flow = "") {
  SCOPED_TRACE("tray " + std::to_string(tray));
  EXPECT_TRUE(Shows(c.trayliquid[tray] * 100.0L, liquid));
  EXPECT_TRUE(Shows(c.trayvapour[tray] * 100.0L, vapour));
  if (!temperature.empty()) {
    EXPECT_TRUE(Shows(c.traytemperature[tray], temperature));
  }
  if (!flow.empty()) {
    EXPECT_TRUE(Shows(c.trayreturn[tray], flow));
  }
}

TEST(Profile, DefaultsAreSolvedAgainFromTheTop) {
  const TColumn c = Calculated(Typed(1000, 1, 20, 15));
  ASSERT_TRUE(c.topdownsolved);
  for (int tray = 1; tray <= 14; ++tray) ExpectTray(c, tray, "1.00", "9.44", "99.3");
  ExpectTray(c, 19, "8.50", "48.56");
  ExpectTray(c, 20, "46.08", "75.96", "82.5", "3058.22");
}

TEST(Profile, MarchThatMeetsTheTopStands) {
  const TColumn c = Calculated(Typed(1000, 20, 15, 1));
  ASSERT_FALSE(c.topdownsolved);
  ExpectTray(c, 1, "20.00", "65.19", "86.57", "975.48");
  ExpectTray(c, 15, "84.19", "88.21", "78.70", "1809.42");
}

TEST(Profile, NoRefluxLeavesEveryTrayAtTheStill) {
  const TColumn c = Calculated(Typed(1000, 20, 5, 0));
  EXPECT_TRUE(Shows(c.topstrength * 100.0L, "65.19"));
  EXPECT_TRUE(Shows(c.product, "2889.94"));
  EXPECT_TRUE(Shows(c.productethanol / c.stillethanol * 100.0L, "100.0"));
  ASSERT_TRUE(c.topdownsolved);
  for (int tray = 1; tray <= 5; ++tray) {
    ExpectTray(c, tray, "20.00", "65.19");
    EXPECT_LT(std::fabs(c.trayreturn[tray]), 0.5L);
  }
}

TEST(Column, NoTraysCorrectAgainstTheStillVapourAndKeepTheProfile) {
  TColumn c = Calculated(Typed(1000, 1, 20, 15));
  const TColumn::Profile earlier = c.trayliquid;
  for (std::int32_t trays : {0, -3, std::numeric_limits<std::int32_t>::min()}) {
    c.Calculate(Typed(1000, 10, trays, 2));
    EXPECT_NEAR(c.topstrength, model::vapourstrength(0.1L), 1e-15L);
    EXPECT_FALSE(c.topdownsolved);
    EXPECT_EQ(c.trayliquid, earlier);
  }
}

TEST(Column, MoreThanAHundredTraysAreRefusedFirst) {
  TColumn c = Calculated(Typed(1000, 1, 20, 15));
  for (std::int32_t trays : {101, std::numeric_limits<std::int32_t>::max()}) {
    // Refused before the reflux ratio of -1 could fault, leaving the column as it was.
    EXPECT_EQ(FirstFault(Typed(1000, 20, trays, -1)), "Кол-во тарелок не может быть больше 100");
    EXPECT_THROW(c.Calculate(Typed(1000, 20, trays, -1)), runtime::EColumnInputError);
    EXPECT_EQ(c.inputs.traycount, 20);
  }
  EXPECT_EQ(FirstFault(Typed(1000, 1, 100, 15)), "");
}

TEST(Column, FloatingPointFaultsEndItWithTheFirstFault) {
  EXPECT_EQ(FirstFault(Typed(1000, 1, 20, -1)), "Floating point division by zero");
  EXPECT_EQ(FirstFault(Typed(1000, 1, 0, -1)), "Floating point division by zero");
  EXPECT_EQ(FirstFault(Typed(0, 1, 20, -1)), "Invalid floating point operation");
  EXPECT_EQ(FirstFault(Typed(1000, 1e830L, 20, 15)), "Floating point overflow");
  EXPECT_EQ(FirstFault(Typed(1000, -1e830L, 20, 15)), "Floating point overflow");
  // A product far above any vapour drives the profile's liquid out of range.
  EXPECT_EQ(FirstFault(ColumnInputs{1000, 0.01L, 20, 1e-4000L}), "Floating point overflow");
}

TEST(Column, NoPowerRunsToTheEndDespiteStaleFaults) {
  volatile long double zero = 0.0L;
  runtime::Settle(1.0L / zero);
  // The report's efficiency then divides 0 by 0 and owns that fault.
  const TColumn c = Calculated(Typed(0, 1, 20, 15));
  EXPECT_EQ(c.stillethanol, 0.0L);
  EXPECT_EQ(c.productethanol, 0.0L);
}

TEST(Column, PowersBeyond32BitHeatGiveProportionalFlows) {
  const TColumn base = Calculated(Typed(1000, 1, 20, 15));
  for (std::int32_t power : {596524, std::numeric_limits<std::int32_t>::max()}) {
    const TColumn c = Calculated(Typed(power, 1, 20, 15));
    EXPECT_NEAR(c.stillvapour / base.stillvapour / power * 1000, 1.0L, 1e-15L) << power;
    EXPECT_NEAR(c.product / base.product / power * 1000, 1.0L, 1e-15L) << power;
  }
}

// Compares the ten significant bytes: the padding is no part of the value.
bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }
static_assert(std::numeric_limits<long double>::digits == 64);

testing::AssertionResult SameResults(const TColumn& a, const TColumn& b) {
  for (auto field : {&TColumn::stillvapour, &TColumn::stillethanol, &TColumn::topstrength,
                     &TColumn::product, &TColumn::productethanol}) {
    if (!SameBits(a.*field, b.*field)) return testing::AssertionFailure() << "results differ";
  }
  for (auto profile : {&TColumn::trayreturn, &TColumn::trayliquid, &TColumn::trayvapour,
                       &TColumn::traytemperature}) {
    for (int i = 1; i <= a.inputs.traycount; ++i) {
      if (!SameBits((a.*profile)[i], (b.*profile)[i])) {
        return testing::AssertionFailure() << "profiles differ at tray " << i;
      }
    }
  }
  if (a.topdownsolved != b.topdownsolved) return testing::AssertionFailure() << "top-down differs";
  return testing::AssertionSuccess();
}

TEST(Repeats, SkippingThemGivesTheBitsOfComputingEveryStep) {
  const std::int32_t powers[] = {0, 1, 250, 1000, 3000, 2000000};
  const long double percents[] = {-5, 0, 0.01, 1, 10, 20, 33.74, 50, 80, 95.58, 99};
  const std::int32_t trays[] = {-2, 0, 1, 2, 3, 5, 8, 15, 20, 40, 100};
  const long double refluxes[] = {0, 0.25, 1, 2, 3, 15, 100};
  std::mt19937 random(20240607);
  const auto pick = [&random](const auto& values) {
    return values[std::uniform_int_distribution<std::size_t>(0, std::size(values) - 1)(random)];
  };
  std::uniform_real_distribution<double> fraction(0.0, 1.0);
  int topdown = 0;
  int topmetexactly = 0;
  for (int i = 0; i < 300; ++i) {
    // Every other case takes strength and reflux off the grid.
    const ColumnInputs inputs =
        Typed(pick(powers), i % 2 ? pick(percents) : 100.0L * fraction(random), pick(trays),
              i % 2 ? pick(refluxes) : 20.0L * fraction(random));
    const TColumn fast = Calculated(inputs, Repeats::kSkip);
    const TColumn full = Calculated(inputs, Repeats::kCompute);
    EXPECT_TRUE(SameResults(fast, full)) << Describe(inputs);
    const long double still = model::vapourstrength(inputs.stillstrength);
    EXPECT_GE(full.topstrength, still) << Describe(inputs);
    topdown += full.topdownsolved;
    // Without trays the top vapour is the still's; a top equal to it means a
    // correction met the top vapour exactly.
    topmetexactly += inputs.traycount <= 0 && full.topstrength == still;
  }
  EXPECT_GT(topdown, 20);
  EXPECT_GT(topmetexactly, 5);
}

}  // namespace
