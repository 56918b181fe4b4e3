#include "numtext/patternsection.h"

#include <cstddef>

namespace numtext::detail {

PatternSections::PatternSections(std::string_view pattern) {
  std::size_t start = 0;
  char quote = '\0';
  for (std::size_t i = 0; i < pattern.size() && count_ < kMaxSections; ++i) {
    const char c = pattern[i];
    if (quote != '\0') {
      if (c == quote) quote = '\0';
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';') {
      sections_[count_++] = pattern.substr(start, i - start);
      start = i + 1;
    }
  }
  if (count_ < kMaxSections) sections_[count_++] = pattern.substr(start);
}

bool SectionTokens::Quoted(SectionToken& token) {
  token.Kind = TokenKind::Quoted;
  const std::size_t close = rest_.find(rest_[0], 1);
  if (close == std::string_view::npos) {
    token.Text = rest_.substr(1);
    rest_ = {};
  } else {
    token.Text = rest_.substr(1, close - 1);
    rest_.remove_prefix(close + 1);
  }
  return true;
}

bool SectionTokens::Exponent(SectionToken& token) {
  token.Kind = TokenKind::Exponent;
  token.Text = rest_.substr(0, 2);
  std::size_t used = 2;
  while (used < rest_.size() && rest_[used] == '0') ++used;
  token.ExponentZeros = static_cast<int>(used - 2);
  rest_.remove_prefix(used);
  return true;
}

SectionLayout ScanSection(std::string_view section) {
  constexpr int kNoZero = 32767;
  SectionLayout layout;
  bool pointSeen = false;
  int firstZero = kNoZero;
  int lastZeroEnd = 0;  // index after the last "0" placeholder
  SectionTokens tokens(section);
  SectionToken token;
  while (tokens.Next(token)) {
    switch (token.Kind) {
      case TokenKind::Placeholder:
        if (token.Text[0] == '0') {
          if (firstZero == kNoZero) firstZero = layout.DigitCount;
          lastZeroEnd = layout.DigitCount + 1;
        }
        ++layout.DigitCount;
        break;
      case TokenKind::Point:
        if (!pointSeen) layout.DecimalIndex = layout.DigitCount;
        pointSeen = true;
        break;
      case TokenKind::Comma:
        layout.Grouping = true;
        break;
      case TokenKind::Exponent:
        layout.Scientific = true;
        break;
      case TokenKind::Quoted:
      case TokenKind::Literal:
        break;
    }
  }
  if (!pointSeen) layout.DecimalIndex = layout.DigitCount;
  layout.LastDigit = layout.DecimalIndex - lastZeroEnd;
  if (layout.LastDigit > 0) layout.LastDigit = 0;
  layout.FirstDigit = layout.DecimalIndex - firstZero;
  if (layout.FirstDigit < 0) layout.FirstDigit = 0;
  return layout;
}

}  // namespace numtext::detail
