// The parts of one tab: a centred caption, close button, image and menu arrow on a horizontal strip for
// resting and selected tabs on either side, and the upward caption of a vertical strip.
#include <gtest/gtest.h>

#include "skin/controls/TabContentLayout.h"

namespace qw {
namespace {

TTabContentInput Tab(TRect t, TTabPosition position, bool selected, int tw = 40, int th = 13) {
  TTabContentInput in;
  in.Tab = t;
  in.Position = position;
  in.Selected = selected;
  in.CaptionWidth = tw;
  in.CaptionHeight = th;
  return in;
}

TTabContentInput WithClose(TTabContentInput in) {
  in.CloseButton = true;
  in.CloseButtonsOn = true;
  in.CloseButtonSize = TSize2{15, 15};
  return in;
}

TEST(TabContentLayout, APlainCaptionIsCentredOffThePageSideAndTheSelectedOneSitsHigher) {
  const TRect t{0, 0, 100, 24};
  TTabContent c = TabContentLayout(Tab(t, tpTop, false));
  // 2 rows off the page side, 2 off the top and one more down for a resting tab.
  EXPECT_EQ(c.Text, (TRect{30, 6, 72, 19}));
  EXPECT_TRUE(IsRectEmpty(c.CloseButton));
  EXPECT_TRUE(IsRectEmpty(c.MenuArrow));
  EXPECT_TRUE(IsRectEmpty(c.Image));
  // The selected tab: left 1 and up 2, then the text 1 right and 1 down.
  EXPECT_EQ(TabContentLayout(Tab(t, tpTop, true)).Text, (TRect{30, 4, 72, 17}));
  // At the bottom the page side is the top.
  EXPECT_EQ(TabContentLayout(Tab(t, tpBottom, false)).Text, (TRect{30, 4, 72, 17}));
  // A caption wider than the tab stops 3 pixels short of its right edge.
  EXPECT_EQ(TabContentLayout(Tab(TRect{0, 0, 30, 24}, tpBottom, false)).Text.Right, 27);
  // Buttons are only moved down a pixel.
  TTabContentInput button = Tab(t, tpTop, false);
  button.Style = tsButtons;
  EXPECT_EQ(TabContentLayout(button).Text, (TRect{30, 5, 72, 18}));
  // Close buttons on other tabs start every caption at the left, even where this tab has none.
  TTabContentInput others = Tab(t, tpTop, false);
  others.CloseButtonsOn = true;
  EXPECT_EQ(TabContentLayout(others).Text.Left, 4);
}

TEST(TabContentLayout, TheCloseButtonTakesTheRightEndAndTheCaptionStopsAtIt) {
  const TRect t{0, 0, 100, 24};
  TTabContent c = TabContentLayout(WithClose(Tab(t, tpTop, false)));
  EXPECT_EQ(c.CloseButton, (TRect{81, 5, 96, 20}));
  EXPECT_EQ(c.Text, (TRect{4, 6, 46, 19}));
  c = TabContentLayout(WithClose(Tab(t, tpTop, false, 120)));
  EXPECT_EQ(c.Text.Right, 81);
  // Selected: the button 1 right and down, the caption 3 right (and then the selected tab's 1, 1).
  TTabContentInput selected = WithClose(Tab(t, tpTop, true));
  selected.FocusWanted = true;
  c = TabContentLayout(selected);
  EXPECT_EQ(c.CloseButton, (TRect{81, 3, 96, 18}));
  EXPECT_EQ(c.Text, (TRect{7, 4, 49, 17}));
  EXPECT_EQ(c.Focus, (TRect{3, 3, 51, 19}));
  // At the bottom the selected button goes 2 down.
  EXPECT_EQ(TabContentLayout(WithClose(Tab(t, tpBottom, true))).CloseButton, (TRect{81, 5, 96, 20}));
  // Button and menu tabs never get one.
  TTabContentInput menu = WithClose(Tab(t, tpTop, false));
  menu.Type = ttButton;
  EXPECT_TRUE(IsRectEmpty(TabContentLayout(menu).CloseButton));
}

TEST(TabContentLayout, AnImageLeadsTheCaptionCentredTogetherOrAtTheLeftBesideACloseButton) {
  const TRect t{0, 0, 100, 24};
  TTabContentInput in = Tab(t, tpTop, false);
  in.Image = TSize2{16, 16};
  TTabContent c = TabContentLayout(in);
  // Image, 6 pixels, caption: 19 pixels free on either side.
  EXPECT_EQ(c.Image, (TRect{19, 5, 35, 21}));
  EXPECT_EQ(c.Text, (TRect{41, 6, 83, 19}));
  in.Selected = true;
  c = TabContentLayout(in);
  EXPECT_EQ(c.Image, (TRect{19, 3, 35, 19}));
  EXPECT_EQ(c.Text, (TRect{41, 4, 83, 17}));
  in = WithClose(in);
  in.Selected = false;
  c = TabContentLayout(in);
  EXPECT_EQ(c.Image, (TRect{3, 5, 19, 21}));
  EXPECT_EQ(c.Text, (TRect{25, 6, 67, 19}));
  EXPECT_EQ(c.CloseButton, (TRect{81, 5, 96, 20}));
  // A focus frame only for the selected page tab.
  in.FocusWanted = true;
  EXPECT_TRUE(IsRectEmpty(TabContentLayout(in).Focus));
}

TEST(TabContentLayout, AMenuArrowGoesBelowTheCaptionWhenTheStripHasRoomElseBesideIt) {
  TTabContentInput in = Tab(TRect{0, 0, 60, 30}, tpTop, false);
  in.Type = ttMenu;
  in.StripHeight = 34;
  TTabContent c = TabContentLayout(in);
  EXPECT_TRUE(c.ArrowBelowText);
  EXPECT_EQ(c.ArrowDirection, tadDown);
  EXPECT_EQ(c.Text, (TRect{4, 3, 46, 16}));
  EXPECT_EQ(c.MenuArrow, (TRect{20, 16, 29, 25}));
  // An open menu presses the tab: arrow and caption 1 right and down.
  in.Selected = true;
  c = TabContentLayout(in);
  EXPECT_EQ(c.MenuArrow, (TRect{21, 17, 30, 26}));
  EXPECT_EQ(c.Text, (TRect{5, 4, 47, 17}));
  in = Tab(TRect{0, 0, 80, 20}, tpTop, false);
  in.Type = ttMenu;
  in.StripHeight = 24;
  c = TabContentLayout(in);
  EXPECT_FALSE(c.ArrowBelowText);
  EXPECT_EQ(c.MenuArrow, (TRect{67, 5, 76, 14}));
  EXPECT_EQ(c.Text, (TRect{4, 2, 46, 15}));
  // A long caption stops at the arrow instead of running under it.
  in.CaptionWidth = 80;
  EXPECT_EQ(TabContentLayout(in).Text.Right, 67);
}

TEST(TabContentLayout, AnUpwardCaptionIsCentredAlongTheTabBelowItsCloseButtonOrArrow) {
  const TRect t{0, 0, 24, 80};
  TTabContentInput in = Tab(t, tpLeft, false);
  in.Rotated = true;
  TTabContent c = TabContentLayout(in);
  EXPECT_EQ(c.Text, (TRect{5, 18, 20, 60}));
  EXPECT_EQ(c.RotatedOrigin, (TPoint{6, 60}));
  // Selected: the tab 1 left and up; the focus frame around the caption.
  in.Selected = true;
  in.FocusWanted = true;
  c = TabContentLayout(in);
  EXPECT_EQ(c.Text, (TRect{4, 17, 19, 59}));
  EXPECT_EQ(c.Focus, (TRect{3, 14, 22, 62}));
  EXPECT_EQ(c.RotatedOrigin, (TPoint{5, 59}));

  in = WithClose(Tab(t, tpLeft, false));
  in.Rotated = true;
  c = TabContentLayout(in);
  EXPECT_EQ(c.CloseButton, (TRect{4, 4, 19, 19}));
  EXPECT_EQ(c.Text, (TRect{5, 33, 20, 75}));
  in.Selected = true;
  c = TabContentLayout(in);
  EXPECT_EQ(c.CloseButton, (TRect{5, 5, 20, 20}));
  EXPECT_EQ(c.Text, (TRect{4, 30, 19, 72}));

  in = Tab(t, tpLeft, false);
  in.Rotated = true;
  in.Type = ttMenu;
  c = TabContentLayout(in);
  EXPECT_EQ(c.ArrowDirection, tadRight);
  EXPECT_EQ(c.MenuArrow, (TRect{7, 8, 16, 17}));
  EXPECT_EQ(c.Text.Top, 22);

  in = Tab(t, tpLeft, false);
  in.Rotated = true;
  in.Image = TSize2{16, 16};
  c = TabContentLayout(in);
  EXPECT_EQ(c.Image, (TRect{5, 55, 21, 71}));
  EXPECT_EQ(c.Text, (TRect{5, 7, 20, 49}));
}

}  // namespace
}  // namespace qw
