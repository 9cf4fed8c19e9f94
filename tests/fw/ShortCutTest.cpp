// Shortcut text: what a menu shows for a key with modifiers, and reading it back.
#include <gtest/gtest.h>

#include "fw/ShortCut.h"

namespace qw {
namespace {

TEST(ShortCut, TextNamesModifiersInOrderThenTheKeyAndReadsBack) {
  struct TCase {
    TShortCut ShortCut;
    std::u16string_view Text;
  };
  const TCase cases[] = {
      {MakeShortCut('C', scCtrl), u"Ctrl+C"},   {MakeShortCut('7', scAlt | scCtrl | scShift), u"Shift+Ctrl+Alt+7"},
      {MakeShortCut(0x2E, scShift), u"Shift+Del"}, {MakeShortCut(0x73, scAlt), u"Alt+F4"},
      {MakeShortCut(0x87, scNone), u"F24"},      {MakeShortCut(0x21, scCtrl), u"Ctrl+PgUp"},
      {MakeShortCut(0x63, scNone), u"Num 3"},    {MakeShortCut(0x6B, scCtrl), u"Ctrl+Num +"},
      {MakeShortCut(0xBD, scCtrl), u"Ctrl+-"},   {MakeShortCut(0xDC, scNone), u"\\"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ShortCutToText(c.ShortCut), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), c.ShortCut) << std::string(c.Text.begin(), c.Text.end());
  }
}

TEST(ShortCut, NoTextForNoKeyAndNoShortCutForTextThatNamesNone) {
  EXPECT_EQ(ShortCutToText(scNone), u"");
  EXPECT_EQ(ShortCutToText(scCtrl), u"") << "a modifier alone is no shortcut";
  EXPECT_EQ(ShortCutToText(MakeShortCut(0xFF, scCtrl)), u"") << "a key without a name shows nothing";
  EXPECT_EQ(TextToShortCut(u"ctrl+shift+f4"), MakeShortCut(0x73, scCtrl | scShift)) << "case does not matter";
  for (std::u16string_view text : {u"", u"Ctrl+", u"Ctrl", u"Ctrl+Nothing", u"Hyper+A", u"A+Ctrl", u"Ctrl+ A"})
    EXPECT_EQ(TextToShortCut(text), scNone) << std::string(text.begin(), text.end());
}

}  // namespace
}  // namespace qw
