#include "base/IntParse.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(TryStrToInt, AcceptsDecimalWithSpacesAndSign) {
  EXPECT_EQ(TryStrToInt(u"8"), 8);
  EXPECT_EQ(TryStrToInt(u" 12"), 12);
  EXPECT_EQ(TryStrToInt(u"   +7"), 7);
  EXPECT_EQ(TryStrToInt(u"-3"), -3);
  EXPECT_EQ(TryStrToInt(u"0012"), 12);
  EXPECT_EQ(TryStrToInt(u"2147483647"), 2147483647);
  EXPECT_EQ(TryStrToInt(u"-2147483648"), INT32_MIN);
}

TEST(TryStrToInt, AcceptsEveryHexadecimalPrefix) {
  EXPECT_EQ(TryStrToInt(u"$10"), 16);
  EXPECT_EQ(TryStrToInt(u"x1f"), 31);
  EXPECT_EQ(TryStrToInt(u"X1F"), 31);
  EXPECT_EQ(TryStrToInt(u"0x10"), 16);
  EXPECT_EQ(TryStrToInt(u"0XaB"), 0xAB);
  EXPECT_EQ(TryStrToInt(u"-$10"), -16);
  EXPECT_EQ(TryStrToInt(u"$FFFFFFFF"), -1);
  EXPECT_EQ(TryStrToInt(u"$80000000"), INT32_MIN);
  // Leading zeros are not significant digits.
  EXPECT_EQ(TryStrToInt(u"$00000000FF"), 255);
}

TEST(TryStrToInt, RejectsWhatIsNotAWholeNumber) {
  for (const char16_t* bad : {u"", u" ", u"+", u"-", u"$", u"0x", u"x", u"12 ", u"12a", u"1 2", u"\t12",
                              u"2147483648", u"-2147483649", u"99999999999999999999", u"$123456789",
                              u"$G", u"0x0x1", u"--1", u"+-1", u"1.5"}) {
    EXPECT_FALSE(TryStrToInt(bad).has_value()) << std::u16string(bad).size();
  }
}

}  // namespace
}  // namespace qw
