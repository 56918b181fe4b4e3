#include "numtext/separators.h"

#include <langinfo.h>
#include <locale.h>

#include <mutex>
#include <string>

#include "numtext/numtext.h"
#include "numtext/utf8.h"

namespace numtext::detail {

namespace {

// Read by every formatting and parsing call, on whatever thread a study or a
// search formats its texts, and changed when the locale settings change.
std::mutex currentMutex;
Separators current;

void SetCurrentSeparators(const Separators& separators) {
  const std::lock_guard lock(currentMutex);
  current = separators;
}

bool IsOneCharacter(std::string_view text) {
  return !text.empty() && Utf8CharacterLength(text) == text.size();
}

}  // namespace

Separators CurrentSeparators() {
  const std::lock_guard lock(currentMutex);
  return current;
}

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

using detail::CurrentSeparators;
using detail::SetCurrentSeparators;
using detail::Separator;
using detail::Separators;

void ReadLocaleSeparators() {
  // A locale object of its own, so the process's C locale stays "C".
  const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (numeric == static_cast<locale_t>(nullptr)) {
    SetCurrentSeparators(Separators{});
    return;
  }
  SetCurrentSeparators(detail::SeparatorsFromLocaleData(nl_langinfo_l(RADIXCHAR, numeric),
                                                        nl_langinfo_l(THOUSEP, numeric)));
  freelocale(numeric);
}

void SetLocaleSeparators(std::string_view decimal, std::string_view thousand) {
  SetCurrentSeparators({Separator(decimal), Separator(thousand)});
}

std::string LocaleDecimalSeparator() { return std::string(CurrentSeparators().Decimal.view()); }

std::string LocaleThousandSeparator() { return std::string(CurrentSeparators().Thousand.view()); }

}  // namespace numtext
