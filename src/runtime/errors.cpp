#include "runtime/errors.h"

namespace runtime {

std::string Echoed(std::string_view text) {
  std::string echoed;
  std::size_t characters = 0;
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    // A UTF-8 character is cut only before its first byte.
    const bool starts = (code & 0xC0) != 0x80;
    if (starts && ++characters > kEchoedCharacters) return echoed + "...";
    echoed += code < 0x20 || code == 0x7F ? '?' : byte;
  }
  return echoed;
}

}  // namespace runtime
