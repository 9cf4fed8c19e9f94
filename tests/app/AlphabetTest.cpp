#include <gtest/gtest.h>

#include "app/generator/PasswordGenerator.h"

namespace qw {
namespace {

PasswordRequest Request(std::u16string own, std::u16string substitute) {
  PasswordRequest r;
  r.OwnChars = std::move(own);
  r.SubstituteText = std::move(substitute);
  return r;
}

TEST(CharacterClasses, HoldExactlyTheirCharactersInOrder) {
  EXPECT_EQ(LowerLetters.size(), 26u);
  EXPECT_EQ(UpperLetters.size(), 26u);
  EXPECT_EQ(DigitChars, u"1234567890");
  ASSERT_EQ(SignChars.size(), 29u);
  const char16_t expected[] = {0x21, 0x40, 0x23, 0x24, 0x25, 0x5E, 0x26, 0x2A, 0x28, 0x29,
                               0x22, 0x27, 0x5C, 0x5C, 0x2F, 0x7C, 0x7E, 0x60, 0x3F, 0x3C,
                               0x3E, 0x2C, 0x2E, 0x3B, 0x3A, 0x7B, 0x7D, 0x5B, 0x5D};
  for (size_t i = 0; i < 29; ++i) EXPECT_EQ(SignChars[i], expected[i]) << "position " << i + 1;
}

TEST(BuildAlphabet, ClassesFollowTheFixedOrder) {
  PasswordRequest r;
  const std::u16string all = BuildAlphabet(r);
  EXPECT_EQ(all.size(), 91u);
  EXPECT_EQ(all, std::u16string(LowerLetters) + std::u16string(UpperLetters) + std::u16string(SignChars) +
                     std::u16string(DigitChars));
  r.UseLower = r.UseSigns = false;
  EXPECT_EQ(BuildAlphabet(r), std::u16string(UpperLetters) + std::u16string(DigitChars));
  r.UseUpper = r.UseDigits = false;
  EXPECT_EQ(BuildAlphabet(r), u"");
}

TEST(BuildAlphabet, OwnCharactersReplaceTheClasses) {
  EXPECT_EQ(BuildAlphabet(Request(u"xyz", u"Подставить")), u"xyz");
  // Nothing is de-duplicated: a repeated character is more likely.
  EXPECT_EQ(BuildAlphabet(Request(u"aab", u"")), u"aab");
}

TEST(BuildAlphabet, SubstitutionAppendsItsClassToTheOwnCharacters) {
  EXPECT_EQ(BuildAlphabet(Request(u"", u"0-9")), u"1234567890");
  EXPECT_EQ(BuildAlphabet(Request(u"ab", u"sign")), u"ab" + std::u16string(SignChars));
  EXPECT_EQ(BuildAlphabet(Request(u"ab", u"sign")).size(), 31u);
  // The key may stand anywhere in the text.
  EXPECT_EQ(BuildAlphabet(Request(u"q", u"use 0-9 please")), u"q1234567890");
}

TEST(BuildAlphabet, LastMatchingKeyWinsAndTestsAreCaseSensitive) {
  EXPECT_EQ(BuildAlphabet(Request(u"", u"a-z A-Z")), std::u16string(UpperLetters));
  EXPECT_EQ(BuildAlphabet(Request(u"k", u"A-Z")), u"k" + std::u16string(UpperLetters));
  EXPECT_EQ(BuildAlphabet(Request(u"", u"sign 0-9")), std::u16string(SignChars));
  EXPECT_EQ(BuildAlphabet(Request(u"", u"SIGN")).size(), 91u);  // no key: the classes stay
}

TEST(BuildAlphabet, NoLookalikesLeavesThemOutOfTheClassesAndTheOwnCharacters) {
  auto without = [](PasswordRequest r) { r.NoLookalikes = true; return BuildAlphabet(r); };
  EXPECT_EQ(without({}).size(), 81u);  // 24 + 24 + 25 signs (the backslash still twice) + 8 digits
  EXPECT_EQ(without(Request(u"0Oo1lI|'`\"ab", u"")), u"ab");
  EXPECT_EQ(without(Request(u"xo", u"0-9")), u"x23456789");
  EXPECT_EQ(without(Request(u"\U0001F600O\U0001F511", u"sign")), u"\U0001F600\U0001F511!@#$%^&*()\\\\/~?<>,.;:{}[]");
}

}  // namespace
}  // namespace qw
