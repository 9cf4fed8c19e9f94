// The page area and tab strip of a skinned page control for every tab position, the grown selected
// tab, the section names, the tab padding and the navigation picks.
#include <gtest/gtest.h>

#include "skin/controls/PageControlLayout.h"

namespace qw {
namespace {

const TRect kWhole{0, 0, 437, 342};
const TRect kAdjusted{4, 24, 433, 338};

TEST(PageAreaRect, TheTabSideComesFromTheAdjustedRectangleAndTheStripIsTheRest) {
  struct Case {
    TTabPosition Position;
    TRect Page, Strip;
  };
  for (const Case& c : {Case{tpTop, {0, 20, 437, 342}, {0, 0, 437, 20}},
                        Case{tpBottom, {0, 0, 437, 340}, {0, 340, 437, 342}},
                        Case{tpLeft, {3, 0, 437, 342}, {0, 0, 3, 342}},
                        Case{tpRight, {0, 0, 434, 342}, {434, 0, 437, 342}}}) {
    EXPECT_EQ(PageAreaRect(kWhole, kAdjusted, c.Position, true), c.Page) << c.Position;
    EXPECT_EQ(TabStripRect(kWhole, kAdjusted, c.Position, true), c.Strip) << c.Position;
    // Page and strip together are the control, without overlapping.
    EXPECT_EQ(HeightOfRect(c.Page) * WidthOfRect(c.Page) + HeightOfRect(c.Strip) * WidthOfRect(c.Strip),
              437 * 342);
  }
}

TEST(PageAreaRect, WithoutTabsThePageIsTheWholeControlAndThereIsNoStrip) {
  EXPECT_EQ(PageAreaRect(kWhole, kAdjusted, tpTop, false), kWhole);
  EXPECT_TRUE(IsRectEmpty(TabStripRect(kWhole, kAdjusted, tpTop, false)));
  // An adjusted rectangle above the control leaves no strip rather than a reversed one.
  EXPECT_TRUE(IsRectEmpty(TabStripRect(kWhole, TRect{0, 2, 10, 10}, tpTop, true)));
}

TEST(PaintedTabRect, OnlyTheSelectedPageTabOfTheTabStyleGrows) {
  const TRect r{10, 2, 60, 20};
  EXPECT_EQ(PaintedTabRect(r, tsTabs, true), (TRect{8, 0, 62, 22}));
  EXPECT_EQ(PaintedTabRect(r, tsTabs, false), r);
  EXPECT_EQ(PaintedTabRect(r, tsButtons, true), r);
  EXPECT_EQ(PaintedTabRect(r, tsFlatButtons, true), r);
}

TEST(PageAreaSection, TheDefaultSectionFollowsThePositionAndFallsBackWhenTheSkinLacksIt) {
  EXPECT_EQ(PageAreaSection(u"PAGECONTROL", tpTop, true), u"PAGECONTROL");
  EXPECT_EQ(PageAreaSection(u"PAGECONTROL", tpBottom, true), u"PAGECONTROLBOTTOM");
  EXPECT_EQ(PageAreaSection(u"PAGECONTROL", tpLeft, true), u"PAGECONTROLLEFT");
  EXPECT_EQ(PageAreaSection(u"PAGECONTROL", tpRight, true), u"PAGECONTROLRIGHT");
  // A skin without the positional section keeps painting with the default one.
  EXPECT_EQ(PageAreaSection(u"PAGECONTROL", tpLeft, false), u"PAGECONTROL");
  // A section of the control's own choosing is never replaced.
  EXPECT_EQ(PageAreaSection(u"PANEL_LOW", tpLeft, true), u"PANEL_LOW");
}

TEST(TabSectionName, ByTypeStyleAndPositionUnlessTheTabNamesItsOwn) {
  EXPECT_EQ(TabSectionName(u"", ttTab, tsTabs, tpTop), u"TABTOP");
  EXPECT_EQ(TabSectionName(u"", ttTab, tsTabs, tpBottom), u"TABBOTTOM");
  EXPECT_EQ(TabSectionName(u"", ttTab, tsTabs, tpLeft), u"TABLEFT");
  EXPECT_EQ(TabSectionName(u"", ttTab, tsTabs, tpRight), u"TABRIGHT");
  EXPECT_EQ(TabSectionName(u"", ttTab, tsButtons, tpTop), u"BUTTON");
  EXPECT_EQ(TabSectionName(u"", ttTab, tsFlatButtons, tpTop), u"TOOLBUTTON");
  EXPECT_EQ(TabSectionName(u"", ttButton, tsTabs, tpTop), u"MENUBTN");
  EXPECT_EQ(TabSectionName(u"EDIT", ttTab, tsTabs, tpLeft), u"EDIT");
}

TEST(TabPaddingFor, ImagesAndCloseButtonsChangeTheHorizontalPadding) {
  EXPECT_EQ(TabPaddingFor(0, false, false, 15), (TTabPadding{6, 3}));
  EXPECT_EQ(TabPaddingFor(5, false, false, 15), (TTabPadding{11, 3}));
  EXPECT_EQ(TabPaddingFor(5, true, false, 15), (TTabPadding{9, 3})) << "the own padding stays with images";
  EXPECT_EQ(TabPaddingFor(2, false, true, 15), (TTabPadding{16, 3}));
  EXPECT_EQ(TabPaddingFor(2, true, true, 15), (TTabPadding{6, 3}));
  EXPECT_EQ(CloseButtonSize(std::nullopt), (TSize2{15, 15}));
  EXPECT_EQ(CloseButtonSize(TSize2{5, 9}), (TSize2{8, 9}));
}

TEST(TabAtPoint, FirstTabHoldingThePointRightAndBottomExcluded) {
  const std::vector<TRect> tabs{{2, 2, 50, 20}, {48, 0, 90, 22}};
  EXPECT_EQ(TabAtPoint(tabs, TPoint{10, 10}), 0);
  EXPECT_EQ(TabAtPoint(tabs, TPoint{49, 10}), 0);  // overlap: the first wins
  EXPECT_EQ(TabAtPoint(tabs, TPoint{50, 10}), 1);
  EXPECT_EQ(TabAtPoint(tabs, TPoint{90, 10}), -1);
  EXPECT_EQ(TabAtPoint({}, TPoint{0, 0}), -1);
}

TEST(NeighbourPage, SkipsHiddenTabsAndWrapsOnlyWhenAsked) {
  const std::vector<bool> v{true, false, true, true};
  EXPECT_EQ(NeighbourPage(v, 0, true, false), 2);
  EXPECT_EQ(NeighbourPage(v, 2, false, false), 0);
  EXPECT_EQ(NeighbourPage(v, 3, true, false), -1);
  EXPECT_EQ(NeighbourPage(v, 3, true, true), 0);
  EXPECT_EQ(NeighbourPage(v, 0, false, true), 3);
  EXPECT_EQ(NeighbourPage({true}, 0, true, true), -1);  // nowhere else to go
  EXPECT_EQ(NeighbourPage({}, 0, true, true), -1);
  EXPECT_EQ(NeighbourPage({true, true}, -1, true, true), 0);  // no active page yet
}

TEST(IndexAfterTabDeleted, TheDeletedTabIsForgottenLaterOnesMoveDownAndNothingPastTheEndStays) {
  EXPECT_EQ(IndexAfterTabDeleted(1, 1, 1), -1);
  EXPECT_EQ(IndexAfterTabDeleted(2, 0, 2), 1);
  EXPECT_EQ(IndexAfterTabDeleted(0, 1, 1), 0);
  EXPECT_EQ(IndexAfterTabDeleted(3, -1, 2), -1);  // no tab named: only the page count decides
  EXPECT_EQ(IndexAfterTabDeleted(-1, 0, 0), -1);
}

TEST(ValidActivePage, ButtonsMenusAndHiddenTabsAreNeverShown) {
  const std::vector<TPageKind> p{{ttTab, true}, {ttButton, true}, {ttTab, false}, {ttTab, true}, {ttMenu, true}};
  EXPECT_EQ(ValidActivePage(p, 0), 0);
  EXPECT_EQ(ValidActivePage(p, 1), 3);  // onward first
  EXPECT_EQ(ValidActivePage(p, 4), 3);  // else back
  EXPECT_EQ(ValidActivePage(p, 9), 0);  // out of range: from the start
  EXPECT_EQ(ValidActivePage({{ttButton, true}}, 0), -1);
}

}  // namespace
}  // namespace qw
