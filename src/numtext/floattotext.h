#pragma once

#include "numtext/separators.h"
#include "numtext/textbuffer.h"

namespace numtext::detail {

// The precision of FloatToStr, and of FormatFloat where it falls back to the
// general form.
inline constexpr int kGeneralPrecision = 15;

// Appends `value` in the general form with `precision` significant digits
// (held between 2 and 18): fixed notation from 1e-4 up to 10^precision,
// otherwise "d.dddE[-]x"; "INF", "-INF", "NAN" for the special values. No
// group separators; the decimal separator is `separators.Decimal`.
void FloatToText(TextBuffer& out, long double value, int precision, const Separators& separators);

}  // namespace numtext::detail
