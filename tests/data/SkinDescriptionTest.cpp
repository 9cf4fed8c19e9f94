#include "skin/data/SkinDescription.h"

#include <gtest/gtest.h>

#include "skin/data/SkinError.h"
#include "skin/data/SkinTables.h"
#include "tests/data/SkinTestUtil.h"

namespace qw {
namespace {

TSkinDescription Desc(std::string_view text) { return TSkinDescription::Parse(test::Bytes(text)); }

TEST(SkinDescription, TextFormat) {
  TSkinDescription d = Desc(
      "KEY=before any section\n"
      "  [ GLOBALINFO ]  \r\n"
      "; COLOR=1\r"
      "\tCOLOR = 16777215 \r\n"
      "COLOR=5\r\n"
      "NOVALUE\r\n"
      "EMPTY=\r\n"
      "A=b=c\r\n"
      "[GLOBALINFO]\r\n"
      "COLOR=7\r\n"
      "[edit]\r\n"
      "x=1\r\n");
  ASSERT_EQ(d.Sections().size(), 3u);
  EXPECT_EQ(d.Sections()[0].Name, u"GLOBALINFO");
  EXPECT_EQ(*d.Find(u"GLOBALINFO", u"COLOR"), u"16777215");  // first key wins, comments skipped
  EXPECT_EQ(d.ReadInteger(u"GLOBALINFO", u"COLOR", 0), 16777215);
  EXPECT_EQ(*d.Find(u"GLOBALINFO", u"NOVALUE"), u"");
  EXPECT_EQ(*d.Find(u"GLOBALINFO", u"A"), u"b=c");
  EXPECT_EQ(d.ReadInteger(u"GLOBALINFO", u"EMPTY", 42), 42);
  EXPECT_EQ(d.Find(u"GLOBALINFO", u"KEY"), nullptr);
  EXPECT_EQ(d.FindSection(u"EDIT"), nullptr);  // names are case-sensitive
  EXPECT_EQ(*d.Find(u"edit", u"x"), u"1");
}

TEST(SkinDescription, ByteOrderMarks) {
  std::vector<uint8_t> le = {0xFF, 0xFE};
  for (char16_t c : std::u16string(u"[S]\r\nK=\u0416\r\n")) {
    le.push_back(static_cast<uint8_t>(c));
    le.push_back(static_cast<uint8_t>(c >> 8));
  }
  EXPECT_EQ(*TSkinDescription::Parse(le).Find(u"S", u"K"), u"\u0416");
  std::vector<uint8_t> utf8 = {0xEF, 0xBB, 0xBF};
  for (char c : std::string("[S]\nK=\xD0\x96\n")) utf8.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(*TSkinDescription::Parse(utf8).Find(u"S", u"K"), u"\u0416");
}

TEST(SkinDescription, InheritanceAndSystemColours) {
  test::TFakeSystem sys;
  TSkinDescription d = Desc(
      "[BUTTON]\nCOLOR=255\nFONTCOLOR=-16777201\nSTATES=2\n"
      "[CHILD]\nPARENTCLASS=BUTTON\nSTATES=-1\n"
      "[SELF]\nPARENTCLASS=SELF\n"
      "[Q]\nPARENTCLASS=?\n"
      "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n"
      "[OWN]\nCOLOR=-16777201\nNAME=?\n");
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"CHILD", u"COLOR", 0xFFFFFF), 255);
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"CHILD", u"STATES", 3), 2);  // -1 counts as absent
  // A value found in a parent goes through the system-colour conversion; an own value does not.
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"CHILD", u"FONTCOLOR", 0), static_cast<int32_t>(sys.SysColor(15)));
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"OWN", u"COLOR", 0), -16777201);
  EXPECT_EQ(ColorToRGB(-16777201, sys), sys.SysColor(15));
  EXPECT_EQ(ColorToRGB(16777215, sys), 16777215u);
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"SELF", u"COLOR", 7), 7);
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"Q", u"COLOR", 7), 7);
  EXPECT_EQ(ReadInheritedInteger(d, sys, u"A", u"COLOR", 7), 7);  // a two-section cycle ends
  EXPECT_EQ(ReadInheritedString(d, u"A", u"NAME", u"dflt"), u"dflt");
  EXPECT_EQ(ReadInheritedString(d, u"OWN", u"NAME", u"dflt"), u"dflt");  // "?" is absent
  EXPECT_FALSE(ReadInheritedBool(d, u"CHILD", u"FADINGENABLED"));
  EXPECT_TRUE(ReadInheritedBool(Desc("[S]\nX=true\n"), u"S", u"X"));
  EXPECT_TRUE(ReadInheritedBool(Desc("[S]\nX=1\n"), u"S", u"X"));
  EXPECT_FALSE(ReadInheritedBool(Desc("[S]\nX=yes\n"), u"S", u"X"));
}

TEST(SkinDescription, GradientStrings) {
  TsGradArray g = ParseGradient(u"16777215;15461355;97;0;0;15461355;15461355;0;0;0");
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0], (TsGradPie{16777215, 15461355, 97, 0, 0}));
  EXPECT_EQ(g[1], (TsGradPie{15461355, 15461355, 0, 0, 0}));
  EXPECT_TRUE(ParseGradient(u"N/A").empty());
  EXPECT_TRUE(ParseGradient(u"").empty());
  g = ParseGradient(u";;-5;;300;;150;;1;;x;1;2;3");  // runs of ';' are one separator; word 5 is never read
  ASSERT_EQ(g.size(), 1u);
  EXPECT_EQ(g[0], (TsGradPie{0, 300, 100, 1, 0}));
  EXPECT_THROW(ParseGradient(u"1;2;x;4;5"), ESkinError);
}

}  // namespace
}  // namespace qw
