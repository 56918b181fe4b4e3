#pragma once

// Numbers as the user reads and types them: picture-pattern formatting, the
// general 15-digit form, and parsing, with the user's decimal and thousand
// separators. Texts are UTF-8; a separator is one character of one or more
// bytes. Failures throw runtime::EConvertError.

#include <cstdint>
#include <string>
#include <string_view>

namespace numtext {

// `value` after a picture pattern such as "0.00" or "#,##0.###". Throws
// EConvertError "Format string too long" for a pattern of more than 224
// characters; any other pattern and value give a text.
std::string FormatFloat(std::string_view pattern, long double value);

// The general form with 15 significant digits: "0.5", "1E-5", "1E15", "INF".
std::string FloatToStr(long double value);

// Throws EConvertError "'<text>' is not a valid floating point value".
long double StrToFloat(std::string_view text);

// Decimal, or hexadecimal after "$", "x" or "0x". Throws EConvertError
// "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

std::string IntToStr(std::int32_t value);

// Takes the separators of the user's numeric locale (LC_ALL, LC_NUMERIC or
// LANG as the environment sets them) without touching the process's own
// locale. Run at start-up and whenever the locale settings change.
void ReadLocaleSeparators();

// Pins the separators: `decimal` one character, `thousand` one character or
// empty (no group separator is written).
void SetLocaleSeparators(std::string_view decimal, std::string_view thousand);

std::string LocaleDecimalSeparator();
std::string LocaleThousandSeparator();

}  // namespace numtext
