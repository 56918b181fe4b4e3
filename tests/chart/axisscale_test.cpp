#include "chart/axisscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace chart {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Mapping {
  double value;
  int pixel;
};

struct ScaleCase {
  std::string name;
  TAxisScale scale;
  std::vector<Mapping> toPixel;
  std::vector<Mapping> toValue;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class AxisScaleMapping : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(AxisScaleMapping, MapsValuesToPixelsAndBack) {
  const ScaleCase& c = GetParam();
  for (const Mapping& m : c.toPixel) EXPECT_EQ(c.scale.ValueToPixel(m.value), m.pixel) << m.value;
  for (const Mapping& m : c.toValue) EXPECT_DOUBLE_EQ(c.scale.PixelToValue(m.pixel), m.value) << m.pixel;
}

// 0..15 over the pixels 30..430 and 0..100 over 40..340, either way round.
INSTANTIATE_TEST_SUITE_P(
    Cases, AxisScaleMapping,
    ::testing::Values(
        ScaleCase{"UpwardsLikeALeftAxis",
                  {0, 15, 430, 30, TPixelReading::FromHigh},
                  {{0, 430}, {15, 30}, {7.5, 230}, {-15, 830}, {3, 350}},
                  {{15, 30}, {7.5, 230}, {0, 430}, {-15, 830}}},
        ScaleCase{"InvertedLeftAxisRunsDownwards",
                  {0, 15, 30, 430, TPixelReading::FromHigh},
                  {{0, 30}, {15, 430}, {3, 110}},
                  {{0, 30}, {15, 430}, {3, 110}}},
        ScaleCase{"RightwardsLikeABottomAxis",
                  {0, 100, 40, 340, TPixelReading::FromLow},
                  {{0, 40}, {50, 190}, {100, 340}, {-10, 10}},
                  {{0, 40}, {50, 190}, {100, 340}}},
        ScaleCase{"InvertedBottomAxisRunsLeftwards",
                  {0, 100, 340, 40, TPixelReading::FromLow},
                  {{0, 340}, {100, 40}, {25, 265}},
                  {{0, 340}, {100, 40}, {25, 265}}},
        ScaleCase{"HalfPixelsRoundToEven",
                  {0, 4, 0, 10, TPixelReading::FromLow},
                  {{1, 2}, {3, 8}, {0.2, 0}, {0.6, 2}},
                  {}},
        ScaleCase{"FarValuesClampToTheLimit",
                  {0, 15, 430, 30, TPixelReading::FromHigh},
                  {{1e300, -PixelLimit}, {-1e300, PixelLimit}, {kInf, -PixelLimit},
                   {-kInf, PixelLimit}, {std::nan(""), PixelLimit}},
                  {}},
        ScaleCase{"ZeroSpanMapsEverythingToTheMiddle",
                  {5, 5, 430, 30, TPixelReading::FromHigh},
                  {{5, 230}, {1e6, 230}, {-1e6, 230}},
                  {}},
        ScaleCase{"ShorterThanAPixelReadsZero",
                  {3, 15, 100, 100, TPixelReading::FromHigh},
                  {},
                  {{0, 100}, {0, 7}}}),
    [](const auto& info) { return info.param.name; });

TEST(AxisScale, EndsAndLengthWhicheverWayItRuns) {
  const TAxisScale up(0, 15, 430, 30, TPixelReading::FromHigh);
  EXPECT_EQ(up.First(), 30);
  EXPECT_EQ(up.Last(), 430);
  EXPECT_EQ(up.Length(), 400);
  EXPECT_EQ(up.Span(), 15);
  EXPECT_FALSE(up.IsZero());
}

TEST(AxisScale, NewPixelsKeepTheDirectionAndANewRangeKeepsThePixels) {
  const TAxisScale up(0, 15, 430, 30, TPixelReading::FromHigh);
  const TAxisScale narrower = up.WithPixels(40, 420);
  EXPECT_EQ(narrower.ValueToPixel(0), 420);
  EXPECT_EQ(narrower.ValueToPixel(15), 40);
  const TAxisScale wider = up.WithRange(-15, 15);
  EXPECT_EQ(wider.ValueToPixel(0), 230);
  EXPECT_EQ(wider.ValueToPixel(-15), 430);
}

}  // namespace
}  // namespace chart
