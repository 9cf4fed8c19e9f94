// The spin edit's parts for the generator's length field (46 x 21, a sunken 3D border, client 42 x 17).
#include <gtest/gtest.h>

#include "skin/controls/SpinEditLayout.h"

namespace qw {
namespace {

TEST(SpinEditLayout, ArrowPairFillsTheClientHeightAtTheRightEdge) {
  EXPECT_EQ(SpinButtonBounds(46, 21, kSpinButtonInitialWidth), (TRect{24, 0, 42, 17}));
  const TUpDownButtons b = SpinArrowButtons(18, 17);
  EXPECT_EQ(b.First, (TRect{0, 0, 18, 8}));
  EXPECT_EQ(b.Second, (TRect{0, 8, 18, 17}));
  // Too narrow a pair is widened; a tiny edit gives an empty pair, never a negative height.
  EXPECT_EQ(SpinArrowButtons(6, 10).First, (TRect{0, 0, 15, 5}));
  EXPECT_EQ(SpinButtonBounds(10, 3, 18).Bottom, 0);
}

TEST(SpinEditLayout, TextKeepsClearOfTheArrows) {
  EXPECT_EQ(SpinEditFormatRect(46, 17, 18), (TRect{0, 0, 25, 18}));
  EXPECT_EQ(SpinEditFormatRect(46, 17, 0), (TRect{0, 0, 43, 18}));
  EXPECT_EQ(SpinEditTextRect(46, 21, TEditFrame{}, 18), (TRect{3, 3, 26, 19}));
  // Without a border the text starts a pixel in; hidden arrows give the width back.
  EXPECT_EQ(SpinEditTextRect(46, 21, TEditFrame{false, false}, 0), (TRect{1, 1, 46, 21}));
}

TEST(SpinEditLayout, ArrowTrianglesAreCentredOnTheirButtons) {
  // Up button 18 x 8: x = 4, y = 1, the point at the top.
  const std::vector<TSpinArrowRow> up = {{2, 8, 9}, {3, 7, 10}, {4, 6, 11}, {5, 5, 12}};
  EXPECT_EQ(SpinArrowRows(18, 8, true), up);
  // Down button 18 x 9: x = 4, y = 2, the point at the bottom.
  const std::vector<TSpinArrowRow> down = {{3, 5, 12}, {4, 6, 11}, {5, 7, 10}, {6, 8, 9}};
  EXPECT_EQ(SpinArrowRows(18, 9, false), down);
  // Halves truncate toward zero: a button smaller than the triangle puts it partly outside, not wrapped.
  EXPECT_EQ(SpinArrowRows(8, 4, true).front(), (TSpinArrowRow{1, 4, 5}));
}

TEST(SpinEditLayout, FocusRectangleAndGlyphSitInsideTheButton) {
  // The down arrow of an 18 x 17 pair: 3 pixels in, shifted with the pressed face.
  EXPECT_EQ(SpinFocusRect(TRect{0, 8, 18, 17}, false), (TRect{3, 11, 15, 14}));
  EXPECT_EQ(SpinFocusRect(TRect{0, 8, 18, 17}, true), (TRect{4, 12, 16, 15}));
  EXPECT_EQ(SpinGlyphPos(TRect{10, 8, 28, 17}, 7, 4), (TPoint{15, 10}));
  // A glyph bigger than the button is centred over it, not pushed to one side.
  EXPECT_EQ(SpinGlyphPos(TRect{0, 0, 18, 8}, 20, 10), (TPoint{-1, -1}));
}

}  // namespace
}  // namespace qw
