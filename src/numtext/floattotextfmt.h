#pragma once

#include <string_view>

#include "numtext/separators.h"
#include "numtext/textbuffer.h"

namespace numtext::detail {

// Appends `value` written after the picture `pattern`: "0" and "#" digit
// placeholders, "." for the decimal separator, "," anywhere for grouping,
// "E+00"-style exponents, quoted literals, and up to three ";"-separated
// sections for positive, negative and zero values. Infinities, NaN and
// magnitudes from 1e18 on (without an exponent in the pattern) come out in the
// general form, as does everything for a pattern whose first section is
// empty.
void FloatToTextFmt(TextBuffer& out, long double value, std::string_view pattern,
                    const Separators& separators);

}  // namespace numtext::detail
