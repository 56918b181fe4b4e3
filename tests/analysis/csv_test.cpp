#include "analysis/csv.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace analysis {
namespace {

TEST(ShortestText, IsTheShortestTextOfTheDouble) {
  EXPECT_EQ(ShortestText(0.1L), "0.1");
  EXPECT_EQ(ShortestText(1e21L), "1e+21");
  EXPECT_EQ(ShortestText(-0.0L), "-0");
  EXPECT_EQ(ShortestText(-std::numeric_limits<long double>::infinity()), "-inf");
  EXPECT_EQ(ShortestText(-std::numeric_limits<long double>::quiet_NaN()), "nan");
}

TEST(WriteCsvRow, QuotesOnlyFieldsThatNeedIt) {
  std::ostringstream out;
  WriteCsvRow(out, {"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r", ""});
  EXPECT_EQ(out.str(), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",\r\n");
}

}  // namespace
}  // namespace analysis
