// The skinned combo box's button, field and glyph places, item texts and the read-only keys.
#include <gtest/gtest.h>

#include "skin/controls/ComboBoxLayout.h"

namespace qw {
namespace {

TComboLayoutInput Box(int width, int height) {
  TComboLayoutInput in;
  in.Width = width;
  in.Height = height;
  in.ScrollBarWidth = 17;
  return in;
}

TEST(ComboBoxLayout, ButtonAndFieldOfTheGeneratorsBox) {
  const TComboLayoutInput in = Box(90, 21);
  EXPECT_EQ(ComboButtonRect(in), (TRect{70, 2, 88, 19}));
  EXPECT_EQ(ComboFieldRect(in), (TRect{3, 3, 69, 18}));
  // A 9 x 6 arrow sits in the middle of the button, rounded toward the top left.
  EXPECT_EQ(ComboGlyphPos(in, 9, 6), (TPoint{74, 7}));
}

TEST(ComboBoxLayout, RightToLeftPutsTheButtonOnTheLeft) {
  TComboLayoutInput in = Box(90, 21);
  in.RightToLeft = true;
  EXPECT_EQ(ComboButtonRect(in), (TRect{2, 2, 20, 19}));
  EXPECT_EQ(ComboFieldRect(in), (TRect{21, 3, 87, 18}));
  EXPECT_EQ(ComboGlyphPos(in, 9, 6).X, 6);
}

TEST(ComboBoxLayout, WithoutAButtonTheFieldTakesTheRoom) {
  TComboLayoutInput in = Box(90, 21);
  in.ShowButton = false;
  EXPECT_EQ(ComboButtonRect(in).Right - ComboButtonRect(in).Left, 0);
  EXPECT_EQ(ComboFieldRect(in).Right, 87) << "the button's gap is still left before the frame";
  in.ShowButton = true;
  in.Simple = true;
  EXPECT_EQ(ComboButtonRect(in).Right - ComboButtonRect(in).Left, 0) << "a simple box has no button";
  in.Simple = false;
  in.RightToLeft = true;
  in.ShowButton = false;
  EXPECT_EQ(ComboFieldRect(in), (TRect{3, 3, 87, 18}));
}

TEST(ComboBoxLayout, ItemTextsOutsideTheItemsAreEmpty) {
  const std::vector<std::wstring> items{L"first", L"0-9"};
  EXPECT_EQ(ComboItemText(items, 1), L"0-9");
  EXPECT_EQ(ComboItemText(items, 0), L"first");
  EXPECT_EQ(ComboItemText(items, -1), L"") << "nothing selected";
  EXPECT_EQ(ComboItemText(items, 2), L"");
  EXPECT_EQ(ComboItemText({}, 0), L"");
}

TEST(ComboBoxLayout, KeysAReadOnlyBoxIgnores) {
  for (uint32_t k : {0x20u, 0x21u, 0x22u, 0x23u, 0x24u, 0x25u, 0x26u, 0x27u, 0x28u, 0x39u, 0x41u, 0x5Au, 0x73u})
    EXPECT_TRUE(ReadOnlyIgnoresKey(k)) << k;
  // Tab, Enter and Escape keep moving through and closing the form; digits other than 9 are not listed.
  for (uint32_t k : {0x09u, 0x0Du, 0x1Bu, 0x29u, 0x30u, 0x38u, 0x40u, 0x5Bu, 0x72u, 0x74u})
    EXPECT_FALSE(ReadOnlyIgnoresKey(k)) << k;
  EXPECT_TRUE(ReadOnlyIgnoresKey(0x10028u)) << "only the low word is the key";
}

}  // namespace
}  // namespace qw
