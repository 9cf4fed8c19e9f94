#include "base/TextLines.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(AppendLine, TerminatesTheNewLineOrStartsOneAfterAnUnterminatedLast) {
  EXPECT_EQ(AppendLine(u"", u"P"), u"P\r\n");
  EXPECT_EQ(AppendLine(u"a\r\n", u"P"), u"a\r\nP\r\n");
  EXPECT_EQ(AppendLine(u"a", u"P"), u"a\r\nP");  // the user typed a last line without Enter
  EXPECT_EQ(AppendLine(u"", u""), u"\r\n");       // an empty password still makes a line
  EXPECT_EQ(AppendLine(u"\r\n", u""), u"\r\n\r\n");
}

TEST(SplitLines, AFinalBreakStartsNoLineAndEveryBreakKindEndsOne) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(SplitLines(u""), V{});
  EXPECT_EQ(SplitLines(u"a\r\nb\r\n"), (V{u"a", u"b"}));
  EXPECT_EQ(SplitLines(u"a\r\nb"), (V{u"a", u"b"}));
  EXPECT_EQ(SplitLines(u"\r\n"), V{u""});
  EXPECT_EQ(SplitLines(u"a\r\n\r\n"), (V{u"a", u""}));
  EXPECT_EQ(SplitLines(u"a\nb\rc"), (V{u"a", u"b", u"c"}));
  EXPECT_EQ(JoinLines(SplitLines(u"a\r\nb")), u"a\r\nb\r\n");
}

}  // namespace
}  // namespace qw
