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

inline void Require(bool condition) {
  if (!condition) std::abort();
}

// Runs `call`; a text or pattern refused with EConvertError is a normal outcome.
template <class Call>
void Refusable(Call call) {
  try {
    call();
  } catch (const runtime::EConvertError&) {
  }
}

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  static constexpr const char* kSeparators[][2] = {
      {".", ","}, {",", "\u202F"}, {",", "\u00A0"}, {"\u066B", "\u066C"}, {".", ""}, {",", "."}};
  if (size == 0) return;
  const auto& separators = kSeparators[data[0] % std::size(kSeparators)];
  numtext::SetLocaleSeparators(separators[0], separators[1]);
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  // Half the runs with a caller that has flags pending and rounds upwards.
  if (data[0] & 0x80) {
    std::feraiseexcept(FE_INEXACT);
    std::fesetround(FE_UPWARD);
  }
  fpu_control_t before, after;
  _FPU_GETCW(before);
  const int flags = std::fetestexcept(FE_ALL_EXCEPT);
  Refusable([&] { Require(std::isfinite(numtext::StrToFloat(rest))); });
  _FPU_GETCW(after);
  Require(after == before && std::fetestexcept(FE_ALL_EXCEPT) == flags);
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);

  Refusable([&] { numtext::StrToInt(rest); });
  if (rest.size() < 10) return;
  long double value = 0.0L;
  std::memcpy(&value, rest.data(), 10);
  Refusable([&] { numtext::FormatFloat(rest.substr(10), value); });
  const std::string general = numtext::FloatToStr(value);
  if (general != "INF" && general != "-INF" && general != "NAN") numtext::StrToFloat(general);
}

}  // namespace numtext_fuzz
