#include "skin/access/AccessRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qw {
namespace {

using namespace access;

TAccessFacts Facts(TAccessKind kind, std::u16string caption, std::u16string hint = {}, std::u16string label = {},
                   std::u16string value = {}) {
  TAccessFacts f{kind, std::move(caption), std::move(hint), std::move(label), std::move(value)};
  f.Focusable = true;
  return f;
}

TEST(AccessRules, AnswersNameRoleValueActionAndShortcutByKind) {
  TAccessFacts checked = Facts(TAccessKind::CheckBox, u"&Digits");
  checked.Checked = true;
  const struct {
    TAccessFacts facts;
    std::u16string name, value, action, shortcut;
    long role;
  } cases[] = {
      {Facts(TAccessKind::PushButton, u"&Generate", u"tip"), u"Generate", u"", u"Press", u"Alt+G", RolePushButton},
      {Facts(TAccessKind::PushButton, u"", u"Choose file"), u"Choose file", u"", u"Press", u"", RolePushButton},
      {Facts(TAccessKind::CheckBox, u"Signs"), u"Signs", u"", u"Check", u"", RoleCheckButton},
      {checked, u"Digits", u"", u"Uncheck", u"Alt+D", RoleCheckButton},
      {Facts(TAccessKind::Edit, u"", u"tip", u"&Length", u"8"), u"Length", u"8", u"", u"Alt+L", RoleText},
      {Facts(TAccessKind::Edit, u"", u"Path", u"", u"c:\\x"), u"Path", u"c:\\x", u"", u"", RoleText},
      {Facts(TAccessKind::TextPanel, u"x1!Y", u"Password", u"", u"x1!Y"), u"Password", u"x1!Y", u"", u"", RoleStaticText},
      {Facts(TAccessKind::Link, u"", u"", u"", u"www.example.org"), u"www.example.org", u"www.example.org", u"Jump", u"",
       RoleLink},
      {Facts(TAccessKind::StaticText, u"A && B"), u"A & B", u"", u"", u"", RoleStaticText},
  };
  for (const auto& c : cases) {
    const TAccessAnswer a = AccessAnswerOf(c.facts);
    EXPECT_EQ(std::tie(a.Name, a.Value, a.DefaultAction, a.Shortcut, a.Role),
              std::tie(c.name, c.value, c.action, c.shortcut, c.role));
  }
}

TEST(AccessRules, StateBitsFollowTheFacts) {
  TAccessFacts f = Facts(TAccessKind::CheckBox, u"Lower");
  f.Checked = f.Focused = f.Offscreen = true;
  EXPECT_EQ(AccessAnswerOf(f).State, StateChecked | StateFocused | StateOffscreen | StateFocusable);
  // Disabled: unavailable, not focusable, nothing to do; a hidden page's control is invisible.
  f.Enabled = f.Focused = f.Offscreen = f.Showing = false;
  EXPECT_EQ(AccessAnswerOf(f).State, StateUnavailable | StateChecked | StateInvisible);
  EXPECT_TRUE(AccessAnswerOf(f).DefaultAction.empty());
  TAccessFacts tab = Facts(TAccessKind::PageTab, u"?");
  tab.Focusable = false;
  tab.Selected = true;
  EXPECT_EQ(AccessAnswerOf(tab).State, StateSelectable | StateSelected);
  EXPECT_TRUE(IsOffscreen(TRect{488, 82, 667, 101}, TRect{0, 0, 441, 407}));
  EXPECT_FALSE(IsOffscreen(TRect{-27, 289, 454, 320}, TRect{0, 0, 441, 407}));
}

TEST(AccessRules, FieldIsNamedByTheNearestLabelAboveOrLeft) {
  const std::vector<TNamingCandidate> labels = {
      {TRect{12, 16, 48, 29}, u"Length"}, {TRect{334, 16, 424, 29}, u"Extra"}, {TRect{321, 34, 330, 47}, u"+"}};
  EXPECT_EQ(NamingCaption(TRect{12, 31, 58, 52}, labels), u"Length");
  EXPECT_EQ(NamingCaption(TRect{334, 31, 424, 52}, labels), u"Extra");  // above at 2 beats left at 4
  EXPECT_EQ(NamingCaption(TRect{335, 50, 400, 60}, {{TRect{300, 48, 330, 58}, u"+"}}), u"+");
  EXPECT_EQ(NamingCaption(TRect{59, 31, 317, 52}, {{TRect{321, 34, 330, 47}, u"+"}}), u"");  // right of it
  EXPECT_EQ(NamingCaption(TRect{12, 80, 58, 100}, labels), u"");  // too far
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
}

TEST(AccessRules, MenuItemsReadTheirTextKeyAndStates) {
  const struct {
    std::u16string text;
    TMenuItemFlags flags;
    std::u16string name, shortcut, action;
    long role;
    uint32_t state;
  } cases[] = {
      {u"&Close\tAlt+F4", {}, u"Close", u"Alt+F4", u"Execute", RoleMenuItem, 0},
      {u"&Size", {false, false}, u"Size", u"Alt+S", u"", RoleMenuItem, StateUnavailable},
      {u"MetroUI", {false, true, true, true}, u"MetroUI", u"", u"Execute", RoleMenuItem,
       StateChecked | StateSelected | StateFocused},
      {u"Skins", {false, true, false, false, true}, u"Skins", u"", u"", RoleMenuItem, StateHasPopup},
      {u"", {true}, u"", u"", u"", RoleSeparator, 0},
  };
  for (const auto& c : cases) {
    const TAccessAnswer a = AccessAnswerOf(MenuItemFacts(c.text, c.flags));
    EXPECT_EQ(std::tie(a.Name, a.Shortcut, a.DefaultAction, a.Role, a.State),
              std::tie(c.name, c.shortcut, c.action, c.role, c.state));
  }
  TAccessFacts hot = Facts(TAccessKind::PushButton, u"Close");
  hot.Hot = true;  // hovering is shown, never announced as a change
  EXPECT_EQ(AccessAnswerOf(hot).State, StateFocusable | StateHotTracked);
  EXPECT_FALSE(AccessChangesBetween(AccessAnswerOf(Facts(TAccessKind::PushButton, u"Close")), AccessAnswerOf(hot)).State);
}

TEST(AccessRules, ABoxWithoutCaptionIsNamedAfterWhatItHolds) {
  EXPECT_EQ(JoinedNames({u"Length", u"", u"Own characters.", u"Length", u"Extra"}), u"Length, Own characters., Extra");
  EXPECT_EQ(JoinedNames({u"", u""}), u"");
  EXPECT_EQ(AccessAnswerOf(Facts(TAccessKind::Grouping, u"", u"", u"Status")).Name, u"Status");
}

}  // namespace
}  // namespace qw
