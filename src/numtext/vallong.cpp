#include "numtext/vallong.h"

namespace numtext::detail {

namespace {

constexpr std::uint32_t kHexShiftLimit = 0x0FFFFFFF;
constexpr std::uint32_t kDecimalTimesTenLimit = 214748364;
constexpr std::uint32_t kLargestPositive = 2147483647;
constexpr std::uint32_t kLargestNegativeMagnitude = 2147483648U;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

ValLongResult Invalid(std::size_t index) { return {0, index + 1}; }

}  // namespace

ValLongResult ValLong(std::string_view text) {
  const std::size_t end = text.size();
  std::size_t at = 0;
  while (at < end && text[at] == ' ') ++at;
  bool negative = false;
  if (at < end && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }

  bool hexadecimal = false;
  if (at < end && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
    hexadecimal = true;
    ++at;
  } else if (at + 1 < end && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    hexadecimal = true;
    at += 2;
  }
  if (at == end) return Invalid(at);

  std::uint32_t magnitude = 0;
  if (hexadecimal) {
    for (; at < end; ++at) {
      const int digit = HexDigitValue(text[at]);
      if (digit < 0 || magnitude > kHexShiftLimit) return Invalid(at);
      magnitude = (magnitude << 4) | static_cast<std::uint32_t>(digit);
    }
  } else {
    for (; at < end; ++at) {
      const char c = text[at];
      if (c < '0' || c > '9' || magnitude > kDecimalTimesTenLimit) return Invalid(at);
      magnitude = magnitude * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (magnitude > (negative ? kLargestNegativeMagnitude : kLargestPositive)) {
      return Invalid(end - 1);
    }
  }
  const std::uint32_t bits = negative ? 0U - magnitude : magnitude;
  return {static_cast<std::int32_t>(bits), 0};
}

}  // namespace numtext::detail
