#pragma once

// Reading picture patterns: "positive;negative;zero" sections, each a run of
// digit placeholders, separators, quoted text, exponent marks and literals.

#include <string_view>

namespace numtext::detail {

struct PatternSection {
  std::string_view Text;  // up to the ";" that ends it, or the pattern's end
  int Index;              // 0 positive, 1 negative, 2 zero
};

// A pattern split at the ";"s outside quotes into at most three sections.
class PatternSections {
 public:
  explicit PatternSections(std::string_view pattern);

  // The section `index` (0 to 2), or the first section when the pattern has
  // no such section or it is empty.
  PatternSection Choose(int index) const {
    if (index > 0 && index < count_ && !sections_[index].empty()) return {sections_[index], index};
    return {sections_[0], 0};
  }

 private:
  static constexpr int kMaxSections = 3;
  std::string_view sections_[kMaxSections];
  int count_ = 0;
};

enum class TokenKind {
  Placeholder,  // "#" or "0"
  Point,        // "."
  Comma,        // ","
  Quoted,       // the text between a pair of quotes
  Exponent,     // "E+", "E-", "e+" or "e-", with the "0"s that follow
  Literal,      // one byte written as it is
};

struct SectionToken {
  TokenKind Kind = TokenKind::Literal;
  std::string_view Text;  // Quoted: without the quotes; Exponent: letter and sign
  int ExponentZeros = 0;
};

// Walks a section token by token; an unclosed quote runs to its end.
class SectionTokens {
 public:
  explicit SectionTokens(std::string_view section) : rest_(section) {}

  bool Next(SectionToken& token) {
    if (rest_.empty()) return false;
    const char c = rest_[0];
    token.ExponentZeros = 0;
    switch (c) {
      case '#':
      case '0':
        return Single(token, TokenKind::Placeholder);
      case '.':
        return Single(token, TokenKind::Point);
      case ',':
        return Single(token, TokenKind::Comma);
      case '\'':
      case '"':
        return Quoted(token);
      case 'E':
      case 'e':
        if (rest_.size() > 1 && (rest_[1] == '+' || rest_[1] == '-')) return Exponent(token);
        return Single(token, TokenKind::Literal);
      default:
        return Single(token, TokenKind::Literal);
    }
  }

 private:
  bool Single(SectionToken& token, TokenKind kind) {
    token.Kind = kind;
    token.Text = rest_.substr(0, 1);
    rest_.remove_prefix(1);
    return true;
  }
  bool Quoted(SectionToken& token);
  bool Exponent(SectionToken& token);

  std::string_view rest_;
};

struct SectionLayout {
  int DigitCount = 0;    // placeholders
  int DecimalIndex = 0;  // placeholders before the first "."
  bool Grouping = false;
  bool Scientific = false;
  int FirstDigit = 0;    // integer digits that must be written
  int LastDigit = 0;     // minus the decimals that must be written
};

SectionLayout ScanSection(std::string_view section);

}  // namespace numtext::detail
