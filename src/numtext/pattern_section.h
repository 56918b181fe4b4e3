#pragma once

// Reading picture patterns: "positive;negative;zero" sections, each a run of
// digit placeholders, separators, quoted text, exponent marks and literals.

#include <string_view>

namespace numtext {

struct PatternSection {
  std::string_view Text;  // up to the ";" that ends it, or the pattern's end
  int Index;              // 0 positive, 1 negative, 2 zero
};

// The section `index` (0 to 2), or the first section when the pattern has no
// such section or it is empty. A ";" inside quotes separates nothing.
PatternSection ChooseSection(std::string_view pattern, int index);

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
  bool Next(SectionToken& token);

 private:
  std::string_view rest_;
};

struct SectionLayout {
  static constexpr int kNoZero = 32767;

  int DigitCount = 0;    // placeholders
  int DecimalIndex = 0;  // placeholders before the first "."
  int FirstZero = kNoZero;
  int LastZeroEnd = 0;   // index after the last "0" placeholder
  bool Grouping = false;
  bool Scientific = false;
  int FirstDigit = 0;    // integer digits that must be written
  int LastDigit = 0;     // minus the decimals that must be written
};

SectionLayout ScanSection(std::string_view section);

}  // namespace numtext
