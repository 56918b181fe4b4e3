#pragma once

// The decimal digits a value is written with.

#include <cstdint>
#include <string_view>

namespace numtext::detail {

// The value is 0.D1D2...Dn * 10^Exponent. No trailing "0" digit; no digits
// means zero (then Negative is false) unless Exponent is one of the codes.
struct TFloatDigits {
  static constexpr std::int16_t kInfinity = 32767;
  static constexpr std::int16_t kNaN = -32768;

  std::int16_t Exponent = 0;
  bool Negative = false;
  std::uint8_t Length = 0;
  char Digits[19] = {};

  std::string_view DigitText() const { return {Digits, Length}; }
  bool IsSpecial() const { return Exponent == kInfinity || Exponent == kNaN; }
};

// Significant digits produced at most.
inline constexpr int kMaxDigits = 18;
// A number of decimals no value reaches: the cut falls at the precision.
inline constexpr int kNoDecimalCut = 9999;

// The value's 18 significant digits from one scaling by a power of ten and
// one rounding to an integer, then cut after `decimals` decimals or
// `precision` significant digits, whichever comes first, rounding half away
// from zero on the digit string.
TFloatDigits FloatToDigits(long double value, int precision, int decimals);

}  // namespace numtext::detail
