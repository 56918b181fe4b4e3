#pragma once

// The fields of an 80-bit x87 extended value.

#include <cstdint>
#include <cstring>
#include <limits>

namespace numtext::detail {

struct ExtendedBits {
  std::uint64_t Mantissa;  // with the explicit integer bit at the top
  std::uint16_t SignExponent;

  bool Negative() const { return (SignExponent & 0x8000U) != 0; }
  int BiasedExponent() const { return SignExponent & 0x7FFF; }
  bool IntegerBit() const { return (Mantissa >> 63) != 0; }
};

inline ExtendedBits BitsOf(long double value) {
  static_assert(std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10,
                "long double must be the 80-bit x87 format");
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof value);
  ExtendedBits bits;
  std::memcpy(&bits.Mantissa, bytes, 8);
  std::memcpy(&bits.SignExponent, bytes + 8, 2);
  return bits;
}

}  // namespace numtext::detail
