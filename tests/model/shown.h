#pragma once

#include <sstream>
#include <string>

#include "numtext/numtext.h"

// `values` as the report writes them, each with the decimals of the word of
// `shown` in its place, for as many values as `shown` has words: the tables
// of expected results give them that way.
inline std::string ShownAs(const std::string& shown, std::initializer_list<long double> values) {
  std::istringstream words(shown);
  std::string text, word;
  for (auto value = values.begin(); value != values.end() && words >> word; ++value) {
    for (char& c : word) c = c == '.' ? '.' : '0';
    // Appended piece by piece: GCC 12 at -O3 takes `"" + std::string` for
    // an overlapping copy and raises a false -Wrestrict.
    if (!text.empty()) text += ' ';
    text += numtext::FormatFloat(word, *value);
  }
  return text;
}
