#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace numtext::detail {

struct ValLongResult {
  std::int32_t Value = 0;
  std::size_t ErrorPosition = 0;  // 0 when valid, else the 1-based offending position
};

// A 32-bit integer: leading spaces, an optional sign, then decimal digits or
// hexadecimal ones after "$", "x", "X", "0x" or "0X", up to the end of the
// text. Hexadecimal gives the 32-bit pattern ("$FFFFFFFF" is -1).
ValLongResult ValLong(std::string_view text);

}  // namespace numtext::detail
