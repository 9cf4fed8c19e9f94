#include "base/Utf.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(Utf, RoundTripsCyrillicAndAstralCharacters) {
  const std::u16string text = u"Пароль 😀 x";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"Я"), "\xD0\xAF");
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Utf, ReplacesMalformedInputInsteadOfReadingPastIt) {
  EXPECT_EQ(Utf8ToUtf16("\xD0"), u"\uFFFD");          // truncated at the end
  EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace qw
