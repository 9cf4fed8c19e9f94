// The system menu's window commands per kind of form, and the skin submenu's radio items and names.
#include <gtest/gtest.h>

#include "skin/frame/menu/SysMenuLayout.h"

namespace qw {
namespace {

TEST(SysMenuLayout, WindowCommandsShownAndGreyedPerForm) {
  using S = TSysMenuItemState;
  const S on{true, true}, grey{true, false}, hidden{false, false}, hiddenOn{false, true};
  struct TCase {
    const char* Form;
    TFormState State;
    std::array<S, smCommandCount> Items;  // Restore, Move, Size, Minimize, Maximize, Close
  };
  TFormState generator{qxbsSingle, kBiSystemMenu, true, true};
  TFormState sizeable{qxbsSizeable, kBiSystemMenu | kBiMinimize | kBiMaximize, true, true};
  TFormState maximised = sizeable;
  maximised.Maximized = true;
  TFormState dialog{qxbsDialog, kBiSystemMenu, true, false};
  const TCase cases[] = {
      {"the generator", generator, {grey, on, grey, hidden, hidden, on}},
      {"a sizeable window", sizeable, {grey, on, on, on, on, on}},
      {"a maximised window", maximised, {on, grey, on, on, on, on}},
      // No Close in the system's menu: Close hides but is never greyed.
      {"a dialog without Close", dialog, {hidden, on, hiddenOn, hidden, hidden, hiddenOn}},
  };
  for (const TCase& c : cases) EXPECT_EQ(SysMenuItemStates(FormSysMenuRules(c.State)), c.Items) << c.Form;
}

TEST(SysMenuLayout, SkinChoicesAndTheNameAChoiceStandsFor) {
  std::vector<std::u16string> names(41, u"S");
  names[1] = u"Flatline (internal)";
  const auto choices = SkinMenuChoices(names, u"Flatline (internal)");
  ASSERT_EQ(choices.size(), 41u);
  EXPECT_TRUE(choices[1].Checked);
  EXPECT_FALSE(choices[0].Checked);
  for (size_t i = 0; i < choices.size(); ++i) EXPECT_EQ(choices[i].Break, i == 20 || i == 40) << i;
  EXPECT_EQ(SkinNameOfChoice(u"&MetroUI (internal)\tmore"), u"MetroUI (internal)");
  EXPECT_EQ(SkinNameOfChoice(u"Metro&&UI"), u"MetroUI");
  EXPECT_EQ(QxBorderStyleOf(TFormBorderStyle::bsSingle), qxbsSingle);
  EXPECT_EQ(QxBorderStyleOf(TFormBorderStyle::bsNone), qxbsNone);
}

}  // namespace
}  // namespace qw
