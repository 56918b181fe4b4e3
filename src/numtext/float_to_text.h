#pragma once

#include "numtext/text_buffer.h"

namespace numtext {

// Appends `value` in the general form with `precision` significant digits
// (held between 2 and 18): fixed notation from 1e-4 up to 10^precision,
// otherwise "d.dddE[-]x"; "INF", "-INF", "NAN" for the special values. No
// group separators.
void FloatToText(TextBuffer& out, long double value, int precision);

}  // namespace numtext
