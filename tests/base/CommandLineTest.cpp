#include "base/CommandLine.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(CommandLine, SplitsByTheSystemsQuotingRules) {
  using V = std::vector<std::u16string>;
  const struct {
    std::u16string_view Line;
    V Args;
  } cases[] = {
      {u"qwillet.exe", V{}},
      {u"", V{}},
      {u"qwillet.exe  /qxpreview\t--version ", V{u"/qxpreview", u"--version"}},
      // The program's name takes its quotes as they stand, backslashes included.
      {u"\"C:\\Program Files\\q\\\" a", V{u"a"}},
      {u"\"C:\\x\"y b", V{u"b"}},
      {u"q \"a b\" c", V{u"a b", u"c"}},
      {u"q a\"b c\"d", V{u"ab cd"}},
      {u"q \"\"", V{u""}},
      {u"q a\\\\b c\\", V{u"a\\\\b", u"c\\"}},
      {u"q a\\\\\"b c\" d", V{u"a\\b c", u"d"}},
      {u"q a\\\"b", V{u"a\"b"}},
      {u"q a\\\\\\\"b", V{u"a\\\"b"}},
      {u"q \"open", V{u"open"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLineArguments(c.Line), c.Args) << std::string(c.Line.begin(), c.Line.end());
}

}  // namespace
}  // namespace qw
