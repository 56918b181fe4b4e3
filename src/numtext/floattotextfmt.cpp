#include "numtext/floattotextfmt.h"

#include <algorithm>
#include <cstdlib>

#include "numtext/extendedbits.h"
#include "numtext/floattodigits.h"
#include "numtext/floattotext.h"
#include "numtext/patternsection.h"

namespace numtext::detail {

namespace {

constexpr int kExponentWidthCap = 4;

// Writes the digits into one section. DigitPlace is the place of the next
// digit relative to the decimal point (1 the units, 0 the first decimal);
// DigitDelta counts integer digits beyond (positive) or short of (negative)
// the integer placeholders.
class SectionWriter {
 public:
  SectionWriter(TextBuffer& out, const Separators& separators, const SectionLayout& layout,
                const TFloatDigits& digits)
      : out_(out), separators_(separators), layout_(layout), digits_(digits) {
    if (layout.Scientific) {
      digit_place_ = layout.DecimalIndex;
      digit_delta_ = 0;
    } else {
      digit_place_ = digits.Exponent > layout.DecimalIndex ? digits.Exponent : layout.DecimalIndex;
      digit_delta_ = digits.Exponent - layout.DecimalIndex;
    }
  }

  void Write(const PatternSection& section) {
    // Only the first section gets an automatic sign; the others carry their
    // own in their literal text.
    if (digits_.Negative && section.Index == 0) out_.Append('-');
    SectionTokens tokens(section.Text);
    SectionToken token;
    while (tokens.Next(token)) {
      switch (token.Kind) {
        case TokenKind::Placeholder:
          WritePlaceholder();
          break;
        case TokenKind::Point:
        case TokenKind::Comma:
          break;
        case TokenKind::Exponent:
          WriteExponent(token);
          break;
        case TokenKind::Quoted:
        case TokenKind::Literal:
          out_.Append(token.Text);
          break;
      }
    }
  }

 private:
  void WritePlaceholder() {
    if (digit_delta_ > 0) {
      // All surplus integer digits come out at the first placeholder.
      for (int i = 0; i <= digit_delta_; ++i) WriteNextDigit();
      digit_delta_ = 0;
    } else if (digit_delta_ < 0) {
      ++digit_delta_;
      if (digit_place_ <= layout_.FirstDigit) {
        WriteDigit('0');
      } else {
        --digit_place_;
      }
    } else {
      WriteNextDigit();
    }
  }

  void WriteNextDigit() {
    if (next_digit_ < digits_.Length) {
      WriteDigit(digits_.Digits[next_digit_++]);
    } else if (digit_place_ > layout_.LastDigit) {
      WriteDigit('0');
    }
  }

  void WriteDigit(char digit) {
    if (digit_place_ == 0) {
      out_.Append(separators_.Decimal.view());
      out_.Append(digit);
    } else {
      out_.Append(digit);
      if (layout_.Grouping && digit_place_ > 1 && digit_place_ % 3 == 1) {
        out_.Append(separators_.Thousand.view());
      }
    }
    --digit_place_;
  }

  void WriteExponent(const SectionToken& token) {
    const int exponent = digits_.Length == 0 ? 0 : digits_.Exponent - layout_.DecimalIndex;
    out_.Append(token.Text[0]);
    if (exponent < 0) {
      out_.Append('-');
    } else if (token.Text[1] == '+') {
      out_.Append('+');
    }
    out_.AppendDecimal(static_cast<unsigned>(std::abs(exponent)),
                       std::min(token.ExponentZeros, kExponentWidthCap));
  }

  TextBuffer& out_;
  const Separators& separators_;
  const SectionLayout& layout_;
  const TFloatDigits& digits_;
  int digit_place_;
  int digit_delta_;
  int next_digit_ = 0;
};

}  // namespace

void FloatToTextFmt(TextBuffer& out, long double value, std::string_view pattern,
                    const Separators& separators) {
  const PatternSections sections(pattern);
  if (sections.Choose(0).Text.empty()) {
    FloatToText(out, value, kGeneralPrecision, separators);
    return;
  }

  // Only an all-zero encoding is "zero" here: a negative zero takes the
  // negative section, a denormal the section of its sign.
  const ExtendedBits bits = BitsOf(value);
  const int index = bits.Mantissa == 0 && bits.SignExponent == 0 ? 2 : bits.Negative() ? 1 : 0;
  PatternSection section = sections.Choose(index);
  SectionLayout layout = ScanSection(section.Text);

  const TFloatDigits digits =
      layout.Scientific ? FloatToDigits(value, layout.DigitCount, kNoDecimalCut)
                        : FloatToDigits(value, kMaxDigits, layout.DigitCount - layout.DecimalIndex);
  if (digits.IsSpecial() || (!layout.Scientific && digits.Exponent > kMaxDigits)) {
    FloatToText(out, value, kGeneralPrecision, separators);
    return;
  }

  // A value that rounds to zero is written by the zero section.
  if (digits.Length == 0) {
    const PatternSection zero = sections.Choose(2);
    if (zero.Index != section.Index) {
      section = zero;
      layout = ScanSection(section.Text);
    }
  }
  SectionWriter(out, separators, layout, digits).Write(section);
}

}  // namespace numtext::detail
