#include "numtext/separators.h"

#include <langinfo.h>
#include <locale.h>

#include <stdexcept>
#include <string>

#include "numtext/numtext.h"
#include "numtext/utf8.h"

namespace numtext::detail {

namespace {

Separators current;

bool IsOneCharacter(std::string_view text) {
  return !text.empty() && Utf8CharacterLength(text) == text.size();
}

}  // namespace

Separators CurrentSeparators() { return current; }

Separators SeparatorsFromLocaleData(const char* radix, const char* thousands) {
  Separators result;
  if (radix != nullptr && IsOneCharacter(radix)) result.Decimal = Separator(radix);
  if (thousands != nullptr) {
    const std::string_view text(thousands);
    if (text.empty() || IsOneCharacter(text)) result.Thousand = Separator(text);
  }
  return result;
}

}  // namespace numtext::detail

namespace numtext {

using detail::current;
using detail::IsOneCharacter;
using detail::Separator;
using detail::Separators;

void ReadLocaleSeparators() {
  // A locale object of its own, so the process's C locale stays "C".
  const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (numeric == static_cast<locale_t>(nullptr)) {
    current = Separators{};
    return;
  }
  current = detail::SeparatorsFromLocaleData(nl_langinfo_l(RADIXCHAR, numeric),
                                     nl_langinfo_l(THOUSEP, numeric));
  freelocale(numeric);
}

void SetLocaleSeparators(std::string_view decimal, std::string_view thousand) {
  // A NUL character stands for "no separator", which only the thousand
  // separator may be.
  if (thousand == std::string_view("", 1)) thousand = {};
  if (!IsOneCharacter(decimal) || decimal[0] == '\0') {
    throw std::invalid_argument("decimal separator must be one character");
  }
  if (!thousand.empty() && !IsOneCharacter(thousand)) {
    throw std::invalid_argument("thousand separator must be one character or none");
  }
  current.Decimal = Separator(decimal);
  current.Thousand = Separator(thousand);
}

std::string LocaleDecimalSeparator() { return std::string(current.Decimal.view()); }

std::string LocaleThousandSeparator() { return std::string(current.Thousand.view()); }

}  // namespace numtext
