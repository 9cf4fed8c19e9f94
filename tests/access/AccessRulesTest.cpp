#include "skin/access/AccessRules.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

using namespace access;

TAccessFacts Facts(TAccessKind kind, std::u16string caption, std::u16string hint = {}, std::u16string label = {},
                   std::u16string value = {}) {
  TAccessFacts f;
  f.Kind = kind;
  f.Caption = std::move(caption);
  f.Hint = std::move(hint);
  f.Label = std::move(label);
  f.Value = std::move(value);
  f.Focusable = true;
  return f;
}

TEST(AccessRules, AnswersNameRoleValueActionAndShortcutByKind) {
  struct Case {
    const char* what;
    TAccessFacts facts;
    std::u16string name, value, action, shortcut;
    long role;
  };
  TAccessFacts checked = Facts(TAccessKind::CheckBox, u"&Digits");
  checked.Checked = true;
  const Case cases[] = {
      {"button by caption", Facts(TAccessKind::PushButton, u"&Generate", u"tip"), u"Generate", u"", u"Press", u"Alt+G", RolePushButton},
      {"glyph-only button by hint", Facts(TAccessKind::PushButton, u"", u"Choose file"), u"Choose file", u"", u"Press", u"", RolePushButton},
      {"unchecked box", Facts(TAccessKind::CheckBox, u"Signs"), u"Signs", u"", u"Check", u"", RoleCheckButton},
      {"checked box", checked, u"Digits", u"", u"Uncheck", u"Alt+D", RoleCheckButton},
      {"edit by label, not text", Facts(TAccessKind::Edit, u"", u"tip", u"&Length", u"8"), u"Length", u"8", u"", u"Alt+L", RoleText},
      {"edit without label by hint", Facts(TAccessKind::Edit, u"", u"Path", u"", u"c:\\x"), u"Path", u"c:\\x", u"", u"", RoleText},
      {"combo box", Facts(TAccessKind::ComboBox, u"", u"", u"Extra", u"0-9"), u"Extra", u"0-9", u"", u"", RoleComboBox},
      {"password panel", Facts(TAccessKind::TextPanel, u"x1!Y", u"Password", u"", u"x1!Y"), u"Password", u"x1!Y", u"", u"", RoleStaticText},
      {"link by address", Facts(TAccessKind::Link, u"", u"", u"", u"www.example.org"), u"www.example.org", u"www.example.org", u"Jump", u"", RoleLink},
      {"tab", Facts(TAccessKind::PageTab, u"?"), u"?", u"", u"Switch", u"", RolePageTab},
      {"double ampersand is text", Facts(TAccessKind::StaticText, u"A && B"), u"A & B", u"", u"", u"", RoleStaticText},
  };
  for (const Case& c : cases) {
    const TAccessAnswer a = AccessAnswerOf(c.facts);
    EXPECT_EQ(a.Name, c.name) << c.what;
    EXPECT_EQ(a.Value, c.value) << c.what;
    EXPECT_EQ(a.DefaultAction, c.action) << c.what;
    EXPECT_EQ(a.Shortcut, c.shortcut) << c.what;
    EXPECT_EQ(a.Role, c.role) << c.what;
  }
}

TEST(AccessRules, StateBitsFollowTheFacts) {
  TAccessFacts f = Facts(TAccessKind::CheckBox, u"Lower");
  f.Checked = f.Focused = f.Offscreen = true;
  EXPECT_EQ(AccessAnswerOf(f).State, StateChecked | StateFocused | StateOffscreen | StateFocusable);
  // Disabled: unavailable, not focusable, and nothing to do.
  f.Enabled = false;
  f.Focused = f.Offscreen = false;
  EXPECT_EQ(AccessAnswerOf(f).State, StateUnavailable | StateChecked);
  EXPECT_TRUE(AccessAnswerOf(f).DefaultAction.empty());
  TAccessFacts tab = Facts(TAccessKind::PageTab, u"?");
  tab.Focusable = false;
  tab.Selected = true;
  EXPECT_EQ(AccessAnswerOf(tab).State, StateSelectable | StateSelected);
}

TEST(AccessRules, OffscreenOnlyWhenWhollyOutside) {
  const TRect form{0, 0, 441, 407};
  EXPECT_TRUE(IsOffscreen(TRect{488, 82, 667, 101}, form));
  EXPECT_FALSE(IsOffscreen(TRect{407, 17, 438, 50}, form));
  EXPECT_FALSE(IsOffscreen(TRect{-27, 289, 454, 320}, form));
}

TEST(AccessRules, FieldIsNamedByTheNearestLabelAboveOrLeft) {
  const std::vector<TNamingCandidate> labels = {
      {TRect{12, 16, 48, 29}, u"Length"}, {TRect{334, 16, 424, 29}, u"Extra"}, {TRect{321, 34, 330, 47}, u"+"}};
  EXPECT_EQ(NamingCaption(TRect{12, 31, 58, 52}, labels), u"Length");
  // Above at 2 pixels beats left at 4.
  EXPECT_EQ(NamingCaption(TRect{334, 31, 424, 52}, labels), u"Extra");
  // Left when nothing is above; a label to the right names nothing.
  EXPECT_EQ(NamingCaption(TRect{335, 50, 400, 60}, {{TRect{300, 48, 330, 58}, u"+"}}), u"+");
  EXPECT_EQ(NamingCaption(TRect{59, 31, 317, 52}, {{TRect{321, 34, 330, 47}, u"+"}}), u"");
  // Too far away.
  EXPECT_EQ(NamingCaption(TRect{12, 80, 58, 100}, labels), u"");
}

TEST(AccessRules, ChangesAnnouncedAreNameValueAndLastingState) {
  TAccessFacts f = Facts(TAccessKind::CheckBox, u"Lower");
  const TAccessAnswer before = AccessAnswerOf(f);
  f.Focused = f.Pressed = f.Offscreen = true;
  const TAccessChanges quiet = AccessChangesBetween(before, AccessAnswerOf(f));
  EXPECT_FALSE(quiet.State || quiet.Name || quiet.Value);
  f.Checked = true;
  f.Caption = u"Lower!";
  const TAccessChanges toggled = AccessChangesBetween(before, AccessAnswerOf(f));
  EXPECT_TRUE(toggled.State && toggled.Name && !toggled.Value);
  TAccessFacts e = Facts(TAccessKind::Edit, u"", u"", u"Length", u"8");
  const TAccessAnswer eight = AccessAnswerOf(e);
  e.Value = u"9";
  const TAccessChanges typed = AccessChangesBetween(eight, AccessAnswerOf(e));
  EXPECT_TRUE(typed.Value && !typed.State && !typed.Name);
}

}  // namespace
}  // namespace qw
