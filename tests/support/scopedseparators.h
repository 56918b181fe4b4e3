#pragma once

#include <string>
#include <string_view>

#include "numtext/numtext.h"

// Pins the separators for one test and gives the previous ones back after.
class ScopedSeparators {
 public:
  ScopedSeparators(std::string_view decimal, std::string_view thousand)
      : decimal_(numtext::LocaleDecimalSeparator()), thousand_(numtext::LocaleThousandSeparator()) {
    numtext::SetLocaleSeparators(decimal, thousand);
  }
  ~ScopedSeparators() { numtext::SetLocaleSeparators(decimal_, thousand_); }
  ScopedSeparators(const ScopedSeparators&) = delete;
  ScopedSeparators& operator=(const ScopedSeparators&) = delete;

 private:
  std::string decimal_;
  std::string thousand_;
};
