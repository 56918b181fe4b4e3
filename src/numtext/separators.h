#pragma once

// The decimal and thousand separators as a value that the public functions
// read once per call and hand down to the formatters and the parser.

#include <cstdint>
#include <string_view>

namespace numtext::detail {

// One separator character held as its UTF-8 bytes; empty means none.
class Separator {
 public:
  constexpr Separator() = default;
  // `utf8` is at most one UTF-8 character; bytes beyond four are dropped.
  constexpr explicit Separator(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size() && i < sizeof bytes_; ++i) bytes_[size_++] = utf8[i];
  }

  std::string_view view() const { return {bytes_, size_}; }
  std::size_t size() const { return size_; }

 private:
  char bytes_[4] = {};
  std::uint8_t size_ = 0;
};

struct Separators {
  Separator Decimal{"."};
  Separator Thousand{","};
};

// The separators in force for the process, as the public setters left them.
Separators CurrentSeparators();

// The separators a locale database entry gives: each one is taken when it is
// exactly one well-formed UTF-8 character, and an empty thousand separator
// means none is written; anything else keeps the default ("." and ",").
// A null pointer stands for an entry that could not be read.
Separators SeparatorsFromLocaleData(const char* radix, const char* thousands);

}  // namespace numtext::detail
