#include "numtext/numtext.h"

#include <charconv>
#include <string>

#include "numtext/floattotext.h"
#include "numtext/floattotextfmt.h"
#include "numtext/parsefloattext.h"
#include "numtext/separators.h"
#include "numtext/textbuffer.h"
#include "numtext/utf8.h"
#include "numtext/vallong.h"
#include "runtime/errors.h"

namespace numtext {

namespace {

constexpr std::size_t kLongestPattern = 224;

}  // namespace

std::string FormatFloat(std::string_view pattern, long double value) {
  if (detail::CountUtf8Characters(pattern) > kLongestPattern) {
    throw runtime::EConvertError("Format string too long");
  }
  detail::TextBuffer buffer;
  detail::FloatToTextFmt(buffer, value, pattern, detail::CurrentSeparators());
  return buffer.str();
}

std::string FloatToStr(long double value) {
  detail::TextBuffer buffer;
  detail::FloatToText(buffer, value, detail::kGeneralPrecision, detail::CurrentSeparators());
  return buffer.str();
}

long double StrToFloat(std::string_view text) {
  const std::optional<long double> value = detail::ParseFloatText(text, detail::CurrentSeparators().Decimal);
  if (!value) {
    throw runtime::EConvertError("'" + std::string(text) + "' is not a valid floating point value");
  }
  return *value;
}

std::int32_t StrToInt(std::string_view text) {
  const detail::ValLongResult result = detail::ValLong(text);
  if (result.ErrorPosition != 0) {
    throw runtime::EConvertError("'" + std::string(text) + "' is not a valid integer value");
  }
  return result.Value;
}

std::string IntToStr(std::int32_t value) {
  char text[12];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

}  // namespace numtext
