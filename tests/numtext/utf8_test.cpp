#include "numtext/utf8.h"

#include <gtest/gtest.h>

namespace {

using numtext::CountUtf8Characters;
using numtext::Utf8CharacterLength;

TEST(Utf8CharacterLength, MeasuresOnlyWellFormedCharacters) {
  EXPECT_EQ(Utf8CharacterLength("."), 1U);
  EXPECT_EQ(Utf8CharacterLength("\u00A0"), 2U);
  EXPECT_EQ(Utf8CharacterLength("\u202F tail"), 3U);
  EXPECT_EQ(Utf8CharacterLength("\U0001F600"), 4U);
  EXPECT_EQ(Utf8CharacterLength(""), 0U);
  EXPECT_EQ(Utf8CharacterLength("\xA0"), 0U);          // a lone continuation byte
  EXPECT_EQ(Utf8CharacterLength("\xE2\x80"), 0U);      // cut short
  EXPECT_EQ(Utf8CharacterLength("\xC0\xAE"), 0U);      // overlong "."
  EXPECT_EQ(Utf8CharacterLength("\xED\xA0\x80"), 0U);  // a surrogate
  EXPECT_EQ(Utf8CharacterLength("\xF4\x90\x80\x80"), 0U);  // beyond U+10FFFF
}

TEST(CountUtf8Characters, CountsCharactersNotBytes) {
  EXPECT_EQ(CountUtf8Characters("0.00"), 4U);
  EXPECT_EQ(CountUtf8Characters("0 \u0433\u0440."), 5U);
  EXPECT_EQ(CountUtf8Characters("\xFF\xFE"), 2U);
}

}  // namespace
