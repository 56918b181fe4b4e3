#include "numtext/parse_float_text.h"

#include <cfenv>
#include <cstdint>

#include "numtext/power_of_ten.h"
#include "numtext/separators.h"
#include "runtime/fpstatus.h"

namespace numtext {

namespace {

// Scans with every exception masked and rounding to nearest on the full
// 64-bit mantissa, with clear flags, and gives the caller back its own
// settings and flags afterwards.
class ScanFloatEnvironment {
 public:
  ScanFloatEnvironment() {
    std::fegetenv(&saved_);
    std::fesetenv(FE_DFL_ENV);
  }
  ~ScanFloatEnvironment() { std::fesetenv(&saved_); }
  ScanFloatEnvironment(const ScanFloatEnvironment&) = delete;
  ScanFloatEnvironment& operator=(const ScanFloatEnvironment&) = delete;

 private:
  std::fenv_t saved_;
};

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

std::optional<long double> ParseFloatText(std::string_view text) {
  const Separator decimal = CurrentSeparators().Decimal;
  const std::size_t end = text.size();
  std::size_t at = 0;
  while (at < end && text[at] == ' ') ++at;
  bool negative = false;
  if (at < end && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  ScanFloatEnvironment environment;
  Accumulator accumulator;
  bool anyNumberPart = false;
  while (at < end && IsDigit(text[at])) {
    accumulator.Add(text[at++]);
    anyNumberPart = true;
  }
  std::int64_t fractionDigits = 0;
  if (!decimal.empty() && text.substr(at).starts_with(decimal.view())) {
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

  std::int64_t scale = (negativeExponent ? -exponent : exponent) - fractionDigits;
  if (scale < -kScaleLimit) scale = -kScaleLimit;
  long double value = ScaleByPowerOfTen(accumulator.Value(), static_cast<int>(scale));
  if (negative) value = -value;
  runtime::Settle(value);
  if (std::fetestexcept(FE_INVALID | FE_OVERFLOW) != 0) return std::nullopt;
  return value;
}

}  // namespace numtext
