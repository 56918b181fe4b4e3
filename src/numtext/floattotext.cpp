#include "numtext/floattotext.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "numtext/floattodigits.h"

namespace numtext::detail {

void FloatToText(TextBuffer& out, long double value, int precision, const Separators& separators) {
  precision = std::clamp(precision, 2, kMaxDigits);
  const TFloatDigits digits = FloatToDigits(value, precision, kNoDecimalCut);
  const std::string_view text = digits.DigitText();
  if (digits.Exponent == TFloatDigits::kInfinity) {
    out.Append(digits.Negative ? "-INF" : "INF");
    return;
  }
  if (digits.Exponent == TFloatDigits::kNaN) {
    out.Append("NAN");
    return;
  }
  const std::string_view decimal = separators.Decimal.view();
  if (digits.Negative) out.Append('-');
  const int exponent = digits.Exponent;
  if (exponent > precision || exponent < -3) {
    out.Append(text.substr(0, 1));
    if (text.size() > 1) {
      out.Append(decimal);
      out.Append(text.substr(1));
    }
    out.Append('E');
    if (exponent - 1 < 0) out.Append('-');
    out.AppendDecimal(static_cast<unsigned>(std::abs(exponent - 1)), 1);
  } else if (exponent <= 0) {
    out.Append('0');
    if (!text.empty()) {
      out.Append(decimal);
      for (int i = 0; i < -exponent; ++i) out.Append('0');
      out.Append(text);
    }
  } else {
    const auto whole = static_cast<std::size_t>(exponent);
    out.Append(text.substr(0, whole));
    for (std::size_t i = text.size(); i < whole; ++i) out.Append('0');
    if (text.size() > whole) {
      out.Append(decimal);
      out.Append(text.substr(whole));
    }
  }
}

}  // namespace numtext::detail
