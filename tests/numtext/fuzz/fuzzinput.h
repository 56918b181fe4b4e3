#pragma once

// One fuzz input run through the number text: arbitrary bytes into
// StrToFloat and StrToInt, and split into an 80-bit value and a pattern for
// FormatFloat; the first byte picks the separators. Beyond "no crash", it
// checks that parsing raises no flag, gives the same outcome under a caller
// with odd floating-point state (in half the runs) and leaves that state
// alone, and that every general-form text parses back. Shared by the
// libFuzzer target and the regression test.

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

// The parsed value's ten significant bytes, or the refusal's message.
inline std::string Parsed(std::string_view text) {
  try {
    const long double value = numtext::StrToFloat(text);
    Require(std::isfinite(value));
    return std::string(reinterpret_cast<const char*>(&value), 10);
  } catch (const runtime::EConvertError& e) {
    return e.what();
  }
}

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  static constexpr const char* kSeparators[][2] = {
      {".", ","}, {",", "\u202F"}, {",", "\u00A0"}, {"\u066B", "\u066C"}, {".", ""}, {",", "."}};
  if (size == 0) return;
  const auto& separators = kSeparators[data[0] % std::size(kSeparators)];
  numtext::SetLocaleSeparators(separators[0], separators[1]);
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  std::feclearexcept(FE_ALL_EXCEPT);
  const std::string parsed = Parsed(rest);
  Require(std::fetestexcept(FE_ALL_EXCEPT) == 0);
  if (data[0] & 0x80) {
    // A caller that rounds upwards on a 53-bit mantissa, with flags pending.
    fpu_control_t saved, after;
    _FPU_GETCW(saved);
    const fpu_control_t callers = (saved & ~0x0F00) | 0x0A00;
    constexpr int kPending = FE_DIVBYZERO | FE_INEXACT | FE_UNDERFLOW;
    _FPU_SETCW(callers);
    std::feraiseexcept(kPending);
    const bool same = Parsed(rest) == parsed;
    _FPU_GETCW(after);
    const int flags = std::fetestexcept(FE_ALL_EXCEPT);
    _FPU_SETCW(saved);
    std::feclearexcept(FE_ALL_EXCEPT);
    Require(same && after == callers && flags == kPending);
  }

  try {
    numtext::StrToInt(rest);
  } catch (const runtime::EConvertError&) {
  }
  if (rest.size() < 10) return;
  long double value = 0.0L;
  std::memcpy(&value, rest.data(), 10);
  try {
    numtext::FormatFloat(rest.substr(10), value);
  } catch (const runtime::EConvertError&) {
  }
  const std::string general = numtext::FloatToStr(value);
  if (general != "INF" && general != "-INF" && general != "NAN") numtext::StrToFloat(general);
}

}  // namespace numtext_fuzz
