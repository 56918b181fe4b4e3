#include "analysis/csv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <sstream>

namespace analysis {
namespace {

TEST(ShortestText, ReadsBackAsTheSameDouble) {
  const long double cases[] = {0.1L, 1.0L / 3, 75.96239154L, 1e300L, -2.5L, 5e-324L, 123456789.0L,
                               std::numeric_limits<double>::max()};
  for (const long double value : cases) {
    const std::string text = ShortestText(value);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), static_cast<double>(value)) << text;
    EXPECT_EQ(text.find(','), std::string::npos) << text;
  }
  EXPECT_EQ(ShortestText(0.1L), "0.1");
  EXPECT_EQ(ShortestText(1e21L), "1e+21");
  EXPECT_EQ(ShortestText(-0.0L), "-0");
  EXPECT_EQ(ShortestText(std::numeric_limits<long double>::infinity()), "inf");
  EXPECT_EQ(ShortestText(-std::numeric_limits<long double>::quiet_NaN()), "nan");
}

TEST(WriteCsvRow, QuotesOnlyFieldsThatNeedIt) {
  std::ostringstream out;
  WriteCsvRow(out, {"plain", "a,b", "say \"hi\"", "two\nlines", ""});
  WriteCsvRow(out, {"Floating point overflow"});
  EXPECT_EQ(out.str(),
            "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\nFloating point overflow\r\n");
}

}  // namespace
}  // namespace analysis
