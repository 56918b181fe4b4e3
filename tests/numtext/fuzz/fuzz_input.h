#pragma once

// One fuzz input run through the number text: arbitrary bytes into
// StrToFloat and StrToInt, and split into an 80-bit value and a pattern for
// FormatFloat; the first byte picks the separators and the caller's
// floating-point state. Beyond "no crash", it checks that parsing leaves the
// caller's floating-point state alone and that every general-form text
// parses back. Shared by the libFuzzer target and the regression test.

#include <fpu_control.h>

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "runtime/errors.h"

namespace numtext_fuzz {

namespace detail {

struct SeparatorChoice {
  const char* decimal;
  const char* thousand;
};

inline constexpr SeparatorChoice kSeparators[] = {
    {".", ","}, {",", "\u202F"}, {",", "\u00A0"}, {"\u066B", "\u066C"}, {".", ""}, {",", "."},
};

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline unsigned X87StatusFlags() {
  unsigned short status;
  asm volatile("fnstsw %0" : "=a"(status));
  return status & 0x3FU;
}

inline void ParseFloat(std::string_view text) {
  fpu_control_t before;
  _FPU_GETCW(before);
  const unsigned flags = X87StatusFlags();
  try {
    const long double value = numtext::StrToFloat(text);
    Require(std::isfinite(value));
  } catch (const runtime::EConvertError&) {
  }
  fpu_control_t after;
  _FPU_GETCW(after);
  Require(after == before && X87StatusFlags() == flags);
}

inline void ParseInt(std::string_view text) {
  try {
    numtext::StrToInt(text);
  } catch (const runtime::EConvertError&) {
  }
}

inline void Format(std::string_view pattern, long double value) {
  try {
    numtext::FormatFloat(pattern, value);
  } catch (const runtime::EConvertError&) {
  }
  const std::string general = numtext::FloatToStr(value);
  if (general != "INF" && general != "-INF" && general != "NAN") numtext::StrToFloat(general);
}

}  // namespace detail

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  using namespace detail;
  const SeparatorChoice& separators = kSeparators[data[0] % std::size(kSeparators)];
  numtext::SetLocaleSeparators(separators.decimal, separators.thousand);
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  // Half the runs with a caller that has flags pending and rounds upwards.
  if (data[0] & 0x80) {
    std::feraiseexcept(FE_INEXACT);
    std::fesetround(FE_UPWARD);
  }
  ParseFloat(rest);
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);

  ParseInt(rest);
  if (rest.size() >= 10) {
    long double value = 0.0L;
    std::memcpy(&value, rest.data(), 10);
    Format(rest.substr(10), value);
  }
}

}  // namespace numtext_fuzz
