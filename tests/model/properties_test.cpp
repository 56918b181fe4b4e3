#include "model/properties.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/errors.h"
#include "runtime/fpstatus.h"
#include "shown.h"

namespace {

using modeltest::Shows;

TEST(VapourStrength, ShowsTheTabulatedDigitsOnEachSideOfEverySwitch) {
  const std::pair<long double, const char*> rows[] = {
      {0.0001L, "0.001104"}, {0.1L, "0.522715"},   {0.3374L, "0.726364"}, {0.33741L, "0.725837"},
      {0.5L, "0.769050"},    {0.5544L, "0.780443"}, {0.55441L, "0.781179"}, {0.8L, "0.860079"},
      {0.9L, "0.918643"}};
  for (const auto& [liquid, vapour] : rows) {
    EXPECT_TRUE(Shows(model::vapourstrength(liquid), vapour)) << double(liquid);
  }
}

TEST(VapourStrength, WaterAndWeakerGiveExactlyZero) {
  for (long double x : {0.0L, -0.0L, -0.1L, -1.0e300L}) {
    EXPECT_EQ(model::vapourstrength(x), 0.0L) << double(x);
  }
}

TEST(VapourStrength, AzeotropeCapsTheVapour) {
  // At 0.95 the high fit itself exceeds the cap.
  for (long double x : {0.95L, 0.9558L, 1.0L, 1.0e300L}) {
    EXPECT_EQ(model::vapourstrength(x), 0.9558L) << double(x);
  }
  for (int i = -10000; i <= 20000; ++i) ASSERT_LE(model::vapourstrength(i / 1e4L), 0.9558L) << i;
}

std::string FaultOf(long double x) {
  runtime::ClearFloatFaults();
  try {
    runtime::CheckFloatFaults(model::vapourstrength(x));
  } catch (const runtime::Exception& e) {
    return e.what();
  }
  return "";
}

TEST(VapourStrength, OverflowsOnlyBeyondTheExtendedRange) {
  EXPECT_EQ(FaultOf(3.6e821L), "");
  EXPECT_EQ(FaultOf(-3.6e821L), "");
  EXPECT_EQ(FaultOf(3.7e821L), "Floating point overflow");
  EXPECT_EQ(FaultOf(-1.0e828L), "Floating point overflow");
}

TEST(Heat, ShowsTheTabulatedDigits) {
  struct Row {
    long double vapour;
    const char *temperature, *heat, *ethanol, *water;
  };
  const Row rows[] = {{0.0L, "100.0400", "2116.98", "745.79", "2116.98"},
                      {0.1L, "99.1940", "1981.51", "747.12", "2118.66"},
                      {0.5L, "91.3890", "1446.60", "759.07", "2134.14"},
                      {0.8L, "80.6284", "1050.78", "774.62", "2155.40"},
                      {0.9L, "78.4646", "915.83", "777.63", "2159.67"},
                      {1.0L, "78.3800", "777.74", "777.74", "2159.83"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(double(row.vapour));
    const long double t = model::temperature(row.vapour);
    EXPECT_TRUE(Shows(t, row.temperature));
    EXPECT_TRUE(Shows(model::heatofvaporization(row.vapour), row.heat));
    EXPECT_TRUE(Shows(model::ethanolheat(t), row.ethanol));
    EXPECT_TRUE(Shows(model::waterheat(t), row.water));
  }
  EXPECT_TRUE(Shows(model::temperature(0.79999L), "80.8934"));
  // At 25 °C the pure heats are the reference heats.
  EXPECT_TRUE(Shows(model::ethanolheat(25.0L), "841.10"));
  EXPECT_TRUE(Shows(model::waterheat(25.0L), "2264.75"));
}

}  // namespace
