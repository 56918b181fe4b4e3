#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace modeltest {

// Whether `value`, rounded to as many decimals as `shown` has, reads as
// `shown`: the tables of expected results give values as the report shows them.
inline testing::AssertionResult Shows(long double value, const std::string& shown) {
  const std::size_t point = shown.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1);
  char text[64];
  std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
  if (shown == text) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "shows " << text << ", expected " << shown;
}

}  // namespace modeltest
