#include "numtext/pattern_section.h"

#include <cstddef>

namespace numtext {

namespace {

constexpr int kSectionCount = 3;

bool IsQuote(char c) { return c == '\'' || c == '"'; }

}  // namespace

PatternSection ChooseSection(std::string_view pattern, int index) {
  std::string_view sections[kSectionCount];
  int count = 0;
  std::size_t start = 0;
  char quote = '\0';
  for (std::size_t i = 0; i < pattern.size() && count < kSectionCount; ++i) {
    const char c = pattern[i];
    if (quote != '\0') {
      if (c == quote) quote = '\0';
    } else if (IsQuote(c)) {
      quote = c;
    } else if (c == ';') {
      sections[count++] = pattern.substr(start, i - start);
      start = i + 1;
    }
  }
  if (count < kSectionCount) sections[count++] = pattern.substr(start);
  if (index > 0 && index < count && !sections[index].empty()) return {sections[index], index};
  return {sections[0], 0};
}

bool SectionTokens::Next(SectionToken& token) {
  if (rest_.empty()) return false;
  const char c = rest_[0];
  std::size_t used = 1;
  token = SectionToken{};
  token.Text = rest_.substr(0, 1);
  if (c == '#' || c == '0') {
    token.Kind = TokenKind::Placeholder;
  } else if (c == '.') {
    token.Kind = TokenKind::Point;
  } else if (c == ',') {
    token.Kind = TokenKind::Comma;
  } else if (IsQuote(c)) {
    token.Kind = TokenKind::Quoted;
    const std::size_t close = rest_.find(c, 1);
    const std::size_t end = close == std::string_view::npos ? rest_.size() : close;
    token.Text = rest_.substr(1, end - 1);
    used = close == std::string_view::npos ? rest_.size() : close + 1;
  } else if ((c == 'E' || c == 'e') && rest_.size() > 1 && (rest_[1] == '+' || rest_[1] == '-')) {
    token.Kind = TokenKind::Exponent;
    token.Text = rest_.substr(0, 2);
    used = 2;
    while (used < rest_.size() && rest_[used] == '0') ++used;
    token.ExponentZeros = static_cast<int>(used - 2);
  } else {
    token.Kind = TokenKind::Literal;
  }
  rest_.remove_prefix(used);
  return true;
}

SectionLayout ScanSection(std::string_view section) {
  SectionLayout layout;
  bool pointSeen = false;
  SectionTokens tokens(section);
  SectionToken token;
  while (tokens.Next(token)) {
    switch (token.Kind) {
      case TokenKind::Placeholder:
        if (token.Text[0] == '0') {
          if (layout.FirstZero == SectionLayout::kNoZero) layout.FirstZero = layout.DigitCount;
          layout.LastZeroEnd = layout.DigitCount + 1;
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
  layout.LastDigit = layout.DecimalIndex - layout.LastZeroEnd;
  if (layout.LastDigit > 0) layout.LastDigit = 0;
  layout.FirstDigit = layout.DecimalIndex - layout.FirstZero;
  if (layout.FirstDigit < 0) layout.FirstDigit = 0;
  return layout;
}

}  // namespace numtext
