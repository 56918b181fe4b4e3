#include "chart/axisscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace chart {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Mapping {
  double value;
  int pixel;
};

TEST(AxisScale, MapsValuesToPixelsAndBack) {
  const struct {
    const char* name;
    TAxisScale scale;
    std::vector<Mapping> toPixel;
    std::vector<Mapping> toValue;
  } cases[] = {
      {"halves to even", {0, 4, 0, 10, TPixelReading::FromLow}, {{1, 2}, {3, 8}, {0.2, 0}, {0.6, 2}}, {}},
      {"far values clamp",
       {0, 15, 430, 30, TPixelReading::FromHigh},
       {{1e300, -PixelLimit}, {-1e300, PixelLimit}, {kInf, -PixelLimit}, {-kInf, PixelLimit},
        {std::nan(""), PixelLimit}},
       {}},
      {"zero span: the middle", {5, 5, 430, 30, TPixelReading::FromHigh}, {{5, 230}, {1e6, 230}}, {}},
      {"shorter than a pixel reads 0", {3, 15, 100, 100, TPixelReading::FromHigh}, {}, {{0, 100}, {0, 7}}},
  };
  for (const auto& c : cases) {
    for (const Mapping& m : c.toPixel) EXPECT_EQ(c.scale.ValueToPixel(m.value), m.pixel) << c.name << " " << m.value;
    for (const Mapping& m : c.toValue) {
      EXPECT_DOUBLE_EQ(c.scale.PixelToValue(m.pixel), m.value) << c.name << " " << m.pixel;
    }
  }
}

}  // namespace
}  // namespace chart
