#pragma once

#include <optional>
#include <string_view>

#include "numtext/separators.h"

namespace numtext::detail {

// A decimal number with the decimal separator `decimal`: blanks (spaces only)
// around it, an optional sign, digits with at most one separator, an
// optional exponent "E[+|-]digits". Nothing when the text is not such a
// number, its digits overflow (whatever the exponent), or its value
// overflows; a value below the smallest normal becomes a
// denormal or 0. The caller's floating-point environment (control settings
// and status flags) is left as it was.
std::optional<long double> ParseFloatText(std::string_view text, Separator decimal);

}  // namespace numtext::detail
