#include "numtext/power_of_ten.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using numtext::ScaleByPowerOfTen;

// 10^n as a little-endian array of 32-bit words.
std::vector<std::uint32_t> ExactPowerOfTen(int n) {
  std::vector<std::uint32_t> words{1};
  for (int i = 0; i < n; ++i) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : words) {
      const std::uint64_t product = std::uint64_t{word} * 10 + carry;
      word = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words.push_back(static_cast<std::uint32_t>(carry));
  }
  return words;
}

bool Bit(const std::vector<std::uint32_t>& words, long index) {
  return (words[static_cast<std::size_t>(index / 32)] >> (index % 32)) & 1U;
}

// The 80-bit value nearest to 10^n, ties to even, from the exact integer.
long double NearestExtended(int n) {
  const std::vector<std::uint32_t> words = ExactPowerOfTen(n);
  long top = static_cast<long>(words.size()) * 32 - 1;
  while (!Bit(words, top)) --top;
  const long low = top - 63;  // the mantissa's lowest bit
  std::uint64_t mantissa = 0;
  for (long i = top; i >= 0 && i >= low; --i) mantissa = (mantissa << 1) | Bit(words, i);
  if (low <= 0) return static_cast<long double>(mantissa);  // exact
  const bool halfBit = Bit(words, low - 1);
  bool belowHalf = false;
  for (long i = low - 2; i >= 0 && !belowHalf; --i) belowHalf = Bit(words, i);
  long exponent = low;
  if (halfBit && (belowHalf || (mantissa & 1U) != 0)) {
    if (++mantissa == 0) {
      mantissa = std::uint64_t{1} << 63;
      ++exponent;
    }
  }
  return std::ldexp(static_cast<long double>(mantissa), static_cast<int>(exponent));
}

TEST(PowerOfTenTables, EveryEntryIsTheNearestExtendedValue) {
  for (int i = 0; i < 32; ++i) EXPECT_EQ(numtext::kPowersOfTen[i], NearestExtended(i)) << "1e" << i;
  for (int i = 1; i <= 15; ++i) {
    EXPECT_EQ(numtext::kPowersOfTenBy32[i - 1], NearestExtended(32 * i)) << "1e" << 32 * i;
  }
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(numtext::kPowersOfTenBy512[i - 1], NearestExtended(512 * i)) << "1e" << 512 * i;
  }
}

TEST(ScaleByPowerOfTen, MultipliesByUpToThreeTableEntries) {
  using numtext::kPowersOfTen;
  using numtext::kPowersOfTenBy32;
  using numtext::kPowersOfTenBy512;
  EXPECT_EQ(ScaleByPowerOfTen(1.5L, 0), 1.5L);
  EXPECT_EQ(ScaleByPowerOfTen(3.0L, 5), 300000.0L);
  EXPECT_EQ(ScaleByPowerOfTen(7.0L, 32 * 3 + 5), 7.0L * kPowersOfTen[5] * kPowersOfTenBy32[2]);
  EXPECT_EQ(ScaleByPowerOfTen(7.0L, 4931),
            7.0L * kPowersOfTen[3] * kPowersOfTenBy32[9] * kPowersOfTenBy512[8]);
  EXPECT_EQ(ScaleByPowerOfTen(7.0L, -1030),
            7.0L / kPowersOfTen[6] / kPowersOfTenBy512[1]);
}

TEST(ScaleByPowerOfTen, BeyondTheRangeGivesInfinityOrZeroQuietly) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, 5120), std::numeric_limits<long double>::infinity());
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, -5120), 0.0L);
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, -2147483647 - 1), 0.0L);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

}  // namespace
