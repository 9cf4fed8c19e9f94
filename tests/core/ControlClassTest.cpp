// The class-code tables: default sections and the three behaviour sets, at their edges.
#include <gtest/gtest.h>

#include <initializer_list>

#include "skin/core/ControlClass.h"

namespace qw {
namespace {

using L = std::initializer_list<int>;

TEST(ControlClass, DefaultSections) {
  EXPECT_EQ(DefaultSectionOfClass(COC_TsEdit), u"EDIT");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsMemo), u"EDIT");
  EXPECT_EQ(DefaultSectionOfClass(9), u"");  // between two EDIT runs
  EXPECT_EQ(DefaultSectionOfClass(227), u"EDIT");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsComboBox), u"COMBOBOX");
  EXPECT_EQ(DefaultSectionOfClass(82), u"COMBOBOX");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsCheckBox), u"CHECKBOX");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsPanel), u"PANEL");
  EXPECT_EQ(DefaultSectionOfClass(52), u"PANEL_LOW");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsTabSheet), u"TABSHEET");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsGroupBox), u"GROUPBOX");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsBitBtn), u"BUTTON");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsButton), u"BUTTON");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsPageControl), u"PAGECONTROL");
  EXPECT_EQ(DefaultSectionOfClass(165), u"TRACKBAR");
  EXPECT_EQ(DefaultSectionOfClass(COC_TsSkinProvider), u"");  // takes the owner's class name
  EXPECT_EQ(DefaultSectionOfClass(-1), u"");
  EXPECT_EQ(DefaultSectionOfClass(1000), u"");
}

TEST(ControlClass, BehaviourSets) {
  // Edits, memos, combo boxes and spin edits take the skin's colours; buttons, check boxes and the
  // frame belong to no set.
  for (int coc : L{COC_TsEdit, COC_TsMemo, COC_TsComboBox, COC_TsSpinEdit, 2, 18, 41, 84, 96, 131, 140})
    EXPECT_TRUE(IsSkinColoredClass(coc)) << coc;
  for (int coc : L{1, 19, 40, 85, 130, 141})
    EXPECT_FALSE(IsSkinColoredClass(coc)) << coc;
  for (int coc : L{COC_TsPanel, COC_TsGroupBox, COC_TsPageControl, 19, 110, 161}) EXPECT_TRUE(IsUntrackedClass(coc)) << coc;
  for (int coc : L{COC_TsBitBtn, COC_TsCheckBox, COC_TsSkinProvider, 50, 75, 162}) EXPECT_FALSE(IsUntrackedClass(coc)) << coc;
  for (int coc : L{COC_TsPanel, COC_TsGroupBox, COC_TsPageControl, 92, 93, 94, 226}) EXPECT_TRUE(IsNoGlowClass(coc)) << coc;
  for (int coc : L{COC_TsCheckBox, COC_TsEdit, 53, 55, 142, 224}) EXPECT_FALSE(IsNoGlowClass(coc)) << coc;
  // Codes beyond the 256 members of a set belong to none.
  EXPECT_FALSE(IsSkinColoredClass(256 + COC_TsEdit));
  EXPECT_FALSE(IsUntrackedClass(256 + COC_TsPanel));
  EXPECT_FALSE(IsNoGlowClass(-5));
}

}  // namespace
}  // namespace qw
