#pragma once

#include <cstddef>
#include <string_view>

namespace numtext::detail {

// Byte length of the well-formed UTF-8 character that `text` starts with, or
// 0 when it starts with anything else (or is empty).
std::size_t Utf8CharacterLength(std::string_view text);

// Characters in `text`, counting every byte that does not continue a
// multibyte sequence, so malformed bytes count one each.
std::size_t CountUtf8Characters(std::string_view text);

}  // namespace numtext::detail
