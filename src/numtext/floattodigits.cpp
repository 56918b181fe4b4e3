#include "numtext/floattodigits.h"

#include <cmath>
#include <cstdint>

#include "numtext/extendedbits.h"
#include "numtext/poweroften.h"

namespace numtext::detail {

namespace {

constexpr std::int64_t kTenTo18 = 1000000000000000000;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// `whole` < 1e18 as exactly 18 digits, leading zeros included.
void WriteEighteenDigits(std::uint64_t whole, char* out) {
  for (int i = kMaxDigits - 2; i >= 0; i -= 2) {
    const auto pair = static_cast<unsigned>(whole % 100);
    whole /= 100;
    out[i] = kDigitPairs[2 * pair];
    out[i + 1] = kDigitPairs[2 * pair + 1];
  }
}

TFloatDigits Special(std::int16_t code, bool negative) {
  TFloatDigits result;
  result.Exponent = code;
  result.Negative = negative;
  return result;
}

}  // namespace

TFloatDigits FloatToDigits(long double value, int precision, int decimals) {
  const ExtendedBits bits = BitsOf(value);
  const int biased = bits.BiasedExponent();
  if (biased == 0) return TFloatDigits{};
  if (biased == 0x7FFF) {
    const bool infinity = !bits.IntegerBit() || bits.Mantissa == (std::uint64_t{1} << 63);
    return infinity ? Special(TFloatDigits::kInfinity, bits.Negative())
                    : Special(TFloatDigits::kNaN, false);
  }
  // Without its integer bit a finite encoding is an unnormal, which the FPU
  // refuses as an operand: it has no decimal value.
  if (!bits.IntegerBit()) return Special(TFloatDigits::kNaN, false);

  // 19728 / 65536 lies just below log10(2): the estimate is right or one too
  // low, or on the smallest values one too high (a leading "0" digit).
  int exponent = (((biased - 16383) * 19728) >> 16) + 1;
  const long double scaled = ScaleByPowerOfTen(std::fabs(value), kMaxDigits - exponent);
  // Rounds to nearest as the FPU is set; `scaled` is below 2e18, so it fits.
  auto whole = static_cast<std::uint64_t>(std::llrint(scaled));
  if (whole >= static_cast<std::uint64_t>(kTenTo18)) {
    // The same as rounding the floating quotient to nearest, ties to even:
    // whole / 10 keeps at least six fraction bits, so only a remainder of 5
    // lands on a half.
    const std::uint64_t remainder = whole % 10;
    whole /= 10;
    if (remainder > 5 || (remainder == 5 && (whole & 1) != 0)) ++whole;
    ++exponent;
  }

  TFloatDigits result;
  WriteEighteenDigits(whole, result.Digits);

  const long long wanted = static_cast<long long>(exponent) + decimals;
  if (wanted < 0) return TFloatDigits{};
  const int cut = wanted >= precision ? (precision < 0 ? 0 : precision) : static_cast<int>(wanted);
  int length = kMaxDigits;
  if (cut < kMaxDigits) {
    if (result.Digits[cut] >= '5') {
      int last = cut - 1;
      while (last >= 0 && result.Digits[last] == '9') --last;
      if (last < 0) {
        result.Digits[0] = '1';
        length = 1;
        ++exponent;
      } else {
        ++result.Digits[last];
        length = last + 1;
      }
    } else {
      length = cut;
    }
  }
  while (length > 0 && result.Digits[length - 1] == '0') --length;
  for (int i = length; i <= kMaxDigits; ++i) result.Digits[i] = '\0';

  result.Length = static_cast<std::uint8_t>(length);
  result.Exponent = static_cast<std::int16_t>(exponent);
  result.Negative = length > 0 && bits.Negative();
  return result;
}

}  // namespace numtext::detail
