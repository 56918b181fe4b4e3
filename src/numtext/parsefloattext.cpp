#include "numtext/parsefloattext.h"

#include <cmath>
#include <cstdint>

#include "numtext/poweroften.h"
#include "runtime/fpstatus.h"
#include "runtime/x87environment.h"

namespace numtext::detail {

namespace {

constexpr int kExponentDigitsStop = 500;
// Below 1e19 the integer of the digits is exact in the 64-bit mantissa, so
// whole arithmetic there gives the same value as the rounded floating steps.
constexpr std::uint64_t kExactAccumulatorLimit = 1000000000000000000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Accumulator {
 public:
  void Add(char digit) {
    const auto value = static_cast<unsigned>(digit - '0');
    if (exact_ && whole_ < kExactAccumulatorLimit) {
      whole_ = whole_ * 10 + value;
      return;
    }
    if (exact_) {
      real_ = static_cast<long double>(whole_);
      exact_ = false;
    }
    real_ = real_ * 10.0L + static_cast<long double>(value);
  }

  long double Value() const { return exact_ ? static_cast<long double>(whole_) : real_; }

 private:
  bool exact_ = true;
  std::uint64_t whole_ = 0;
  long double real_ = 0.0L;
};

}  // namespace

std::optional<long double> ParseFloatText(std::string_view text, Separator decimal) {
  const std::size_t end = text.size();
  std::size_t at = 0;
  while (at < end && text[at] == ' ') ++at;
  bool negative = false;
  if (at < end && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  // The caller's rounding and flags must neither change the value nor
  // see the scan's own flags.
  const runtime::X87ExactScope environment;
  Accumulator accumulator;
  bool anyNumberPart = false;
  while (at < end && IsDigit(text[at])) {
    accumulator.Add(text[at++]);
    anyNumberPart = true;
  }
  std::int64_t fractionDigits = 0;
  if (text.substr(at).starts_with(decimal.view())) {
    at += decimal.size();
    anyNumberPart = true;
    while (at < end && IsDigit(text[at])) {
      accumulator.Add(text[at++]);
      ++fractionDigits;
    }
  }
  if (!anyNumberPart) return std::nullopt;

  int exponent = 0;
  bool negativeExponent = false;
  if (at < end && (text[at] == 'E' || text[at] == 'e')) {
    ++at;
    if (at < end && (text[at] == '+' || text[at] == '-')) {
      negativeExponent = text[at] == '-';
      ++at;
    }
    while (at < end && IsDigit(text[at]) && exponent < kExponentDigitsStop) {
      exponent = exponent * 10 + (text[at++] - '0');
    }
  }
  while (at < end && text[at] == ' ') ++at;
  if (at != end) return std::nullopt;

  // Digits that overflow the accumulator stay refused, even when the
  // scaling below would bring them back to a finite value or to 0.
  const long double digits = accumulator.Value();
  if (std::isinf(digits)) return std::nullopt;

  std::int64_t scale = (negativeExponent ? -exponent : exponent) - fractionDigits;
  if (scale < -kScaleLimit) scale = -kScaleLimit;
  long double value = ScaleByPowerOfTen(digits, static_cast<int>(scale));
  if (negative) value = -value;
  runtime::Settle(value);
  // With every exception masked an overflow leaves an infinity that nothing
  // after it can make finite, and no step here can be an invalid operation:
  // an infinite result is exactly the case of a raised fault.
  if (std::isinf(value)) return std::nullopt;
  return value;
}

}  // namespace numtext::detail
