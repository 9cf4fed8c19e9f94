// The bit button's arithmetic: glyph and caption placed by layout, alignment, margin and spacing, the
// widest caption, the state the button shows and the look and glyph image that state uses.
#include <gtest/gtest.h>

#include <string>

#include "skin/controls/BitBtnLayout.h"

namespace qw {
namespace {

// Answers every measurement with one extent and remembers how it was asked.
class TFixedMeasurer final : public TTextRenderer {
 public:
  explicit TFixedMeasurer(TTextExtent e) : Extent(e) {}
  TTextExtent MeasureText(std::u16string_view text, uint32_t flags, int32_t maxWidth) override {
    ++Calls;
    LastText = std::u16string(text);
    LastFlags = flags;
    LastMaxWidth = maxWidth;
    return Extent;
  }
  void DrawTextBlack(TBitmap32&, std::u16string_view, const TRect&, uint32_t) override {}
  TTextExtent Extent;
  int Calls = 0;
  std::u16string LastText;
  uint32_t LastFlags = 0;
  int32_t LastMaxWidth = 0;
};

// The generator's first button: 219 x 32 with a 16 x 16 glyph.
TBitBtnContent GenerateButton() {
  TBitBtnContent c;
  c.Width = 219;
  c.Height = 32;
  c.Caption = u"Сгенерировать пароль";
  c.Glyph = TItemSize{16, 16};
  return c;
}

TGlyphTextInput Input(TButtonLayout layout, TAlignment alignment, int margin = -1, int spacing = 4) {
  TGlyphTextInput in;
  in.Client = TRect{0, 0, 219, 32};
  in.Glyph = TItemSize{16, 16};
  in.Text = TItemSize{100, 13};
  in.Layout = layout;
  in.Alignment = alignment;
  in.Margin = margin;
  in.Spacing = spacing;
  return in;
}

TEST(BitBtnLayout, TheGenerateButtonCentresGlyphAndCaptionAsOneBlock) {
  TFixedMeasurer measurer({100, 13});
  const TBitBtnContent c = GenerateButton();
  EXPECT_EQ(MaxCaptionWidth(c), 201) << "219 + 2 (margin -1 on both sides) - 16 - 4";
  const TGlyphTextLayout l = LayoutBitBtnContent(c, measurer);
  EXPECT_EQ(l.GlyphPos, (TPoint{50, 8}));
  EXPECT_EQ(l.CaptionRect, (TRect{70, 10, 170, 23}));
  ASSERT_EQ(measurer.Calls, 1);
  EXPECT_EQ(measurer.LastText, c.Caption);
  EXPECT_EQ(measurer.LastMaxWidth, 201);
  EXPECT_EQ(measurer.LastFlags, kDtCalcRect | kDtExpandTabs | kDtCenter | kDtVCenter | kDtWordBreak);
}

TEST(BitBtnLayout, WithoutACaptionTheGlyphIsCentredAndNothingIsMeasured) {
  TFixedMeasurer measurer({100, 13});
  TBitBtnContent c = GenerateButton();
  c.Caption = u"";
  EXPECT_EQ(MaxCaptionWidth(c), 0);
  TGlyphTextLayout l = LayoutBitBtnContent(c, measurer);
  EXPECT_EQ(l.GlyphPos, (TPoint{102, 8})) << "spacing 0, margin (219 - 16 + 1) / 2";
  EXPECT_TRUE(IsRectEmpty(l.CaptionRect));
  // A hidden caption is laid out as none.
  c.Caption = u"text";
  c.ShowCaption = false;
  l = LayoutBitBtnContent(c, measurer);
  EXPECT_EQ(l.GlyphPos, (TPoint{102, 8}));
  EXPECT_EQ(measurer.Calls, 0);
  // The folder button: 32 x 21, no caption, 16 x 16 glyph.
  c = TBitBtnContent{};
  c.Width = 32;
  c.Height = 21;
  c.Glyph = TItemSize{16, 16};
  EXPECT_EQ(LayoutBitBtnContent(c, measurer).GlyphPos, (TPoint{8, 3}));
}

TEST(BitBtnLayout, MarginAndSpacingCases) {
  // Margin 5 and spacing -1: the spacing takes half the room the glyph and caption leave.
  TGlyphTextLayout l = LayoutGlyphAndText(Input(blGlyphLeft, taLeftJustify, 5, -1));
  EXPECT_EQ(l.GlyphPos, (TPoint{5, 8}));
  EXPECT_EQ(l.CaptionRect, (TRect{70, 10, 170, 23})) << "spacing ((219 - (5 + 16)) - 100) / 2 = 49";
  // Default margin and spacing -1: margins and spacing share the room in thirds.
  l = LayoutGlyphAndText(Input(blGlyphLeft, taCenter, -1, -1));
  EXPECT_EQ(l.GlyphPos.X, 34);
  EXPECT_EQ(l.CaptionRect.Left, 34 + 16 + 34);
  // A fixed margin with left alignment; a caption wider than the room left is cut at the margin.
  l = LayoutGlyphAndText(Input(blGlyphLeft, taLeftJustify, 3, 4));
  EXPECT_EQ(l.GlyphPos.X, 3);
  EXPECT_EQ(l.CaptionRect, (TRect{23, 10, 123, 23}));
  TGlyphTextInput narrow = Input(blGlyphLeft, taLeftJustify, 3, 4);
  narrow.Client = TRect{0, 0, 100, 32};
  EXPECT_EQ(LayoutGlyphAndText(narrow).CaptionRect, (TRect{23, 10, 97, 23})) << "100 - 3 - 23 = 74 wide";
  // Left or right alignment with the default margin keeps two pixels from the edge.
  l = LayoutGlyphAndText(Input(blGlyphLeft, taLeftJustify));
  EXPECT_EQ(l.GlyphPos.X, 2);
  // A centred block never starts before the margin asked for.
  l = LayoutGlyphAndText(Input(blGlyphLeft, taCenter, 60, 4));
  EXPECT_EQ(l.GlyphPos.X, 60);
  EXPECT_EQ(l.CaptionRect.Left, 80);
}

TEST(BitBtnLayout, GlyphRightOfTheCaptionAndCaptionAlignedRight) {
  // Glyph left, block aligned right: the caption ends at the margin and the glyph sits just before it.
  TGlyphTextLayout l = LayoutGlyphAndText(Input(blGlyphLeft, taRightJustify));
  EXPECT_EQ(l.CaptionRect, (TRect{117, 10, 217, 23}));
  EXPECT_EQ(l.GlyphPos, (TPoint{97, 8}));
  l = LayoutGlyphAndText(Input(blGlyphRight, taLeftJustify));
  EXPECT_EQ(l.CaptionRect.Left, 2);
  EXPECT_EQ(l.GlyphPos.X, 106);
  l = LayoutGlyphAndText(Input(blGlyphRight, taCenter));
  EXPECT_EQ(l.CaptionRect.Left, 49);
  EXPECT_EQ(l.GlyphPos.X, 153);
  l = LayoutGlyphAndText(Input(blGlyphRight, taRightJustify));
  EXPECT_EQ(l.GlyphPos.X, 201);
  EXPECT_EQ(l.CaptionRect.Left, 97);
}

TEST(BitBtnLayout, RightToLeftSwapsGlyphLeftAndGlyphRightOnly) {
  TGlyphTextInput in = Input(blGlyphLeft, taCenter);
  in.RightToLeft = true;
  EXPECT_EQ(LayoutGlyphAndText(in), LayoutGlyphAndText(Input(blGlyphRight, taCenter)));
  in.Layout = blGlyphRight;
  EXPECT_EQ(LayoutGlyphAndText(in), LayoutGlyphAndText(Input(blGlyphLeft, taCenter)));
  in.Layout = blGlyphTop;
  EXPECT_EQ(LayoutGlyphAndText(in), LayoutGlyphAndText(Input(blGlyphTop, taCenter)));
  // The content carries the flag through.
  TFixedMeasurer measurer({100, 13});
  TBitBtnContent c = GenerateButton();
  c.RightToLeft = true;
  const TGlyphTextLayout l = LayoutBitBtnContent(c, measurer);
  EXPECT_LT(l.CaptionRect.Right, l.GlyphPos.X);
}

TEST(BitBtnLayout, GlyphAboveOrBelowTheCaptionCentresTheBlockVertically) {
  TGlyphTextInput in;
  in.Client = TRect{0, 0, 75, 60};
  in.Glyph = TItemSize{16, 16};
  in.Text = TItemSize{40, 13};
  in.Layout = blGlyphTop;
  in.Margin = 9;  // no effect on top and bottom
  TGlyphTextLayout l = LayoutGlyphAndText(in);
  EXPECT_EQ(l.GlyphPos, (TPoint{30, 13}));
  EXPECT_EQ(l.CaptionRect, (TRect{18, 33, 58, 46}));
  in.Layout = blGlyphBottom;
  l = LayoutGlyphAndText(in);
  EXPECT_EQ(l.GlyphPos, (TPoint{30, 31}));
  EXPECT_EQ(l.CaptionRect, (TRect{18, 14, 58, 27}));
  // The whole layout follows the client rectangle's origin.
  in.Client = OffsetRect(in.Client, 7, 5);
  const TGlyphTextLayout moved = LayoutGlyphAndText(in);
  EXPECT_EQ(moved.GlyphPos, (TPoint{37, 36}));
  EXPECT_EQ(moved.CaptionRect, OffsetRect(l.CaptionRect, 7, 5));
}

TEST(BitBtnLayout, MaximumCaptionWidth) {
  TBitBtnContent c = GenerateButton();
  c.Margin = 5;
  EXPECT_EQ(MaxCaptionWidth(c), 219 - 10 - 20);
  c.Layout = blGlyphTop;
  EXPECT_EQ(MaxCaptionWidth(c), 209) << "a glyph above takes no width";
  c.Layout = blGlyphRight;
  c.Glyph = TItemSize{};
  EXPECT_EQ(MaxCaptionWidth(c), 209) << "nor does a missing one";
  // A button narrower than its margins still measures within one pixel, never "no limit".
  TFixedMeasurer measurer({40, 13});
  c.Width = 8;
  LayoutBitBtnContent(c, measurer);
  EXPECT_EQ(measurer.LastMaxWidth, 1);
}

TEST(BitBtnLayout, CaptionFlags) {
  EXPECT_EQ(CaptionMeasureFlags(taLeftJustify, false), kDtCalcRect | kDtExpandTabs | kDtLeft | kDtVCenter);
  EXPECT_EQ(CaptionDrawFlags(taRightJustify, true, false),
            kDtRight | kDtVCenter | kDtExpandTabs | kDtEndEllipsis | kDtWordBreak);
  EXPECT_EQ(CaptionDrawFlags(taCenter, false, true), kDtCenter | kDtVCenter | kDtExpandTabs | kDtEndEllipsis | kDtRtlReading);
}

TEST(BitBtnState, PressedHotDefaultAndNormal) {
  TBitBtnStateInput in;
  EXPECT_EQ(BitBtnState(in), 0);
  in.IsDefault = true;
  EXPECT_EQ(BitBtnState(in), 3);
  in.Active = true;
  EXPECT_EQ(BitBtnState(in), 1);
  // Down shows pressed whatever the mouse does.
  TBitBtnStateInput down;
  down.Down = true;
  down.LeftHeld = true;
  EXPECT_EQ(BitBtnState(down), 2);
  // Pushed with the mouse held on the button: pressed while the mouse is above it, not once dragged off.
  TBitBtnStateInput pushed;
  pushed.Pushed = true;
  pushed.LeftHeld = true;
  pushed.MouseAbove = true;
  EXPECT_EQ(BitBtnState(pushed), 2);
  pushed.MouseAbove = false;
  pushed.Active = true;
  EXPECT_EQ(BitBtnState(pushed), 1);
  // Pushed from the keyboard (no mouse held), or forced for a quick click after release.
  TBitBtnStateInput key;
  key.Pushed = true;
  EXPECT_EQ(BitBtnState(key), 2);
  TBitBtnStateInput forced;
  forced.ForcedPressed = true;
  EXPECT_EQ(BitBtnState(forced), 2);
}

TEST(BitBtnState, SectionLookOfAState) {
  EXPECT_EQ(BitBtnSectionState(3, 3), 1) << "a default button of a three-state section looks hot";
  EXPECT_EQ(BitBtnSectionState(3, 4), 3);
  EXPECT_EQ(BitBtnSectionState(2, 3), 2);
  EXPECT_EQ(BitBtnSectionState(2, 1), 0) << "a one-state section keeps one look";
  EXPECT_EQ(BitBtnSectionState(1, 0), 0) << "a section without states still paints state 0";
  EXPECT_EQ(BitBtnSectionState(3, 0), 0);
}

TEST(BitBtnGlyph, ImageRectIndexAndBlend) {
  EXPECT_EQ(BitBtnImageRect({50, 8}, {16, 16}, 0, false), (TRect{50, 8, 66, 24}));
  EXPECT_EQ(BitBtnImageRect({50, 8}, {16, 16}, 2, false), (TRect{51, 9, 67, 25}));
  EXPECT_EQ(BitBtnImageRect({50, 8}, {16, 16}, 1, true), (TRect{50, 6, 66, 22})) << "up by 16 / 6 = 2";
  EXPECT_EQ(BitBtnImageRect({50, 8}, {24, 24}, 2, true), (TRect{51, 5, 75, 29}));
  EXPECT_EQ(GlyphImageIndex(2, 1), 0);
  EXPECT_EQ(GlyphImageIndex(2, 4), 2);
  EXPECT_EQ(GlyphImageIndex(3, 2), 1);
  EXPECT_EQ(GlyphImageIndex(1, 0), 0);
  EXPECT_EQ(ClampBlend(150), 100);
  EXPECT_EQ(ClampBlend(-5), 0);
  EXPECT_EQ(ClampBlend(40), 40);
}

}  // namespace
}  // namespace qw
