// The check box's layout maths with a text measurer of fixed extent: the sizes AutoSize gives, where glyph
// and caption stand, which image of a glyph strip each look shows, and the order a click walks the states.
#include <gtest/gtest.h>

#include <vector>

#include "base/CheckState.h"
#include "skin/controls/CheckBoxLayout.h"

namespace qw::test {
namespace {

// Every caption measures Extent; the flags and width of the last measure are kept.
class TFixedMeasurer final : public TTextRenderer {
 public:
  explicit TFixedMeasurer(TTextExtent extent) : Extent(extent) {}
  TTextExtent MeasureText(std::u16string_view, uint32_t flags, int32_t maxWidth) override {
    LastFlags = flags;
    LastMaxWidth = maxWidth;
    return Extent;
  }
  void DrawTextBlack(TBitmap32&, std::u16string_view, const TRect&, uint32_t) override {}
  TTextExtent Extent;
  uint32_t LastFlags = 0;
  int32_t LastMaxWidth = -1;
};

TCheckBoxLayoutInput Box(int32_t width, int32_t height) {
  TCheckBoxLayoutInput in;
  in.Width = width;
  in.Height = height;
  return in;
}

TEST(CheckBoxAutoSize, GlyphMarginsAndCaptionSkinnedTheSystemRuleWithout) {
  TFixedMeasurer text({100, 13});
  EXPECT_EQ(CheckBoxAutoSize(true, 16, 16, 2, 0, text, u"caption"), (TCheckBoxSize{128, 19}));
  EXPECT_EQ(text.LastFlags & kDtSingleLine, kDtSingleLine);
  EXPECT_EQ(CheckBoxAutoSize(false, 16, 16, 2, 0, text, u"caption"), (TCheckBoxSize{120, 20}));
  // The indent widens the box; a tall glyph decides the height.
  EXPECT_EQ(CheckBoxAutoSize(true, 16, 16, 2, 5, text, u"caption"), (TCheckBoxSize{133, 19}));
  EXPECT_EQ(CheckBoxAutoSize(true, 14, 30, 2, 0, text, u"caption"), (TCheckBoxSize{126, 32}));
  // A tall caption without a skin: four pixels more than the text.
  TFixedMeasurer tall({100, 22});
  EXPECT_EQ(CheckBoxAutoSize(false, 16, 16, 2, 0, tall, u"caption"), (TCheckBoxSize{120, 26}));
  // Without a caption only the glyph and its margins count.
  EXPECT_EQ(CheckBoxAutoSize(true, 16, 16, 2, 5, tall, u""), (TCheckBoxSize{20, 18}));
  EXPECT_EQ(CheckBoxAutoSize(false, 16, 16, 2, 5, tall, u""), (TCheckBoxSize{20, 20}));
}

TEST(CheckBoxCaption, StandsRightOfTheGlyphAPixelAboveCentre) {
  TFixedMeasurer text({100, 13});
  const TCheckCaption c = CheckCaptionLayout(Box(153, 19), 16, text, u"Использовать цифры");
  EXPECT_EQ(c.R.Left, 22);  // glyph 16 + margin 2 + 4
  EXPECT_EQ(c.R, (TRect{22, 2, 122, 15}));
  EXPECT_EQ(c.Flags, kDtSingleLine);
  // Measured in the width beside the glyph: 153 - 16 - 2 * 2 - 2.
  EXPECT_EQ(text.LastMaxWidth, 131);
}

TEST(CheckBoxCaption, NeverAboveTheMarginAndIndentedByTextIndent) {
  TFixedMeasurer tall({40, 30});
  TCheckBoxLayoutInput in = Box(120, 19);
  in.Margin = 4;
  in.TextIndent = 6;
  const TCheckCaption c = CheckCaptionLayout(in, 16, tall, u"x");
  EXPECT_EQ(c.R, (TRect{30, 3, 70, 33}));  // top max((19 - 30) / 2, 4) - 1
}

TEST(CheckBoxCaption, WrappedCaptionsMeasureAtTheWidthAndMoveAPixelLeft) {
  TFixedMeasurer text({60, 26});
  TCheckBoxLayoutInput in = Box(100, 40);
  in.WordWrap = true;
  const TCheckCaption c = CheckCaptionLayout(in, 16, text, u"two lines");
  EXPECT_EQ(c.Flags, kDtWordBreak);
  EXPECT_EQ(text.LastFlags & kDtWordBreak, kDtWordBreak);
  EXPECT_EQ(text.LastMaxWidth, 78);
  EXPECT_EQ(c.R, (TRect{21, 6, 81, 32}));
}

TEST(CheckBoxCaption, GlyphOnTheRightAndMirroredReading) {
  TFixedMeasurer text({50, 13});
  TCheckBoxLayoutInput in = Box(120, 19);
  in.Alignment = TCheckBoxAlignment::taLeftJustify;
  // Caption from the margin over the whole width beside the glyph; the glyph at the right edge.
  EXPECT_EQ(CheckCaptionLayout(in, 16, text, u"x").R, (TRect{2, 2, 100, 15}));
  EXPECT_EQ(CheckGlyphRect(in, 16, 16), (TRect{102, 1, 118, 17}));
  // Right to left, the stored right-justified box puts the glyph right and the text right-aligned before it.
  in.Alignment = TCheckBoxAlignment::taRightJustify;
  in.RightToLeft = true;
  const TCheckCaption rtl = CheckCaptionLayout(in, 16, text, u"x");
  EXPECT_EQ(rtl.R, (TRect{48, 2, 98, 15}));
  EXPECT_EQ(rtl.Flags, kDtSingleLine | kDtRight | kDtRtlReading);
  EXPECT_EQ(CheckGlyphRect(in, 16, 16), (TRect{102, 1, 118, 17}));
  // And a left-justified one mirrored: glyph at the left, the caption beside it, never over it.
  in.Alignment = TCheckBoxAlignment::taLeftJustify;
  const TRect glyph = CheckGlyphRect(in, 16, 16);
  const TRect caption = CheckCaptionLayout(in, 16, text, u"x").R;
  EXPECT_EQ(glyph, (TRect{2, 1, 18, 17}));
  EXPECT_EQ(caption, (TRect{20, 2, 118, 15}));
  EXPECT_GE(caption.Left, glyph.Right);
}

TEST(CheckBoxGlyph, VerticalPlacement) {
  TCheckBoxLayoutInput in = Box(100, 25);
  EXPECT_EQ(CheckGlyphRect(in, 16, 16), (TRect{2, 4, 18, 20}));
  in.VerticalAlign = TCheckBoxVAlign::vaTop;
  EXPECT_EQ(CheckGlyphRect(in, 16, 16), (TRect{2, 0, 18, 16}));
  in.VerticalAlign = TCheckBoxVAlign::vaBottom;
  EXPECT_EQ(CheckGlyphRect(in, 16, 16), (TRect{2, 9, 18, 25}));
  // A glyph taller than the box is centred above its top.
  in.VerticalAlign = TCheckBoxVAlign::vaMiddle;
  EXPECT_EQ(CheckGlyphRect(in, 13, 30).Top, -2);
}

TEST(CheckBoxGlyph, StripImageForEachLook) {
  const TGlyphStrip strip = GlyphStripOf(48, 16);
  EXPECT_EQ(strip, (TGlyphStrip{16, 16, 3}));
  EXPECT_EQ(StripImageIndex(strip, CheckGlyphState(true, true)), 2);
  EXPECT_EQ(StripImageIndex(strip, CheckGlyphState(true, false)), 2);
  EXPECT_EQ(StripImageIndex(strip, CheckGlyphState(false, true)), 1);
  EXPECT_EQ(StripImageIndex(strip, CheckGlyphState(false, false)), 0);
  EXPECT_EQ(StripImageRect(strip, 2), (TRect{32, 0, 48, 16}));
  // A single picture always shows its only image; two images have no pressed one of their own.
  const TGlyphStrip single = GlyphStripOf(16, 16);
  for (bool pressed : {false, true})
    for (bool active : {false, true}) EXPECT_EQ(StripImageIndex(single, CheckGlyphState(pressed, active)), 0);
  EXPECT_EQ(StripImageIndex(GlyphStripOf(32, 16), CheckGlyphState(true, true)), 1);
}

TEST(CheckBoxGlyph, PicturesThatAreNoStripAreOneImageNeverNone) {
  // Narrower than tall: one image of its own size (the division by the height would give none).
  EXPECT_EQ(GlyphStripOf(8, 16), (TGlyphStrip{8, 16, 1}));
  EXPECT_EQ(StripImageRect(GlyphStripOf(8, 16), 2), (TRect{0, 0, 8, 16}));
  // Not a whole multiple: the whole picture, not an image cut short.
  EXPECT_EQ(GlyphStripOf(40, 16), (TGlyphStrip{40, 16, 1}));
  // Empty pictures divide by nothing.
  EXPECT_EQ(GlyphStripOf(0, 16), (TGlyphStrip{0, 16, 1}));
  EXPECT_EQ(GlyphStripOf(16, 0), (TGlyphStrip{16, 0, 1}));
  EXPECT_EQ(GlyphStripOf(0, 0), (TGlyphStrip{0, 0, 1}));
  EXPECT_EQ(GlyphStripOf(-4, 16), (TGlyphStrip{0, 16, 1}));
}

TEST(CheckBoxGlyph, ListImagesAreStripsFromTwoImagesOn) {
  EXPECT_TRUE(ListImageIsStrip(48, 16));
  EXPECT_TRUE(ListImageIsStrip(32, 16));
  EXPECT_FALSE(ListImageIsStrip(16, 16));
  EXPECT_FALSE(ListImageIsStrip(40, 16));
  EXPECT_FALSE(ListImageIsStrip(0, 16));
  EXPECT_FALSE(ListImageIsStrip(16, 0));
}

TEST(CheckBoxFocus, FrameAPixelAroundTheCaptionKeepingASingleLinesBottom) {
  EXPECT_EQ(CheckFocusRect(TRect{22, 2, 122, 15}, false), (TRect{21, 2, 123, 15}));
  EXPECT_EQ(CheckFocusRect(TRect{21, 6, 81, 32}, true), (TRect{20, 6, 82, 33}));
}

TEST(CheckBoxState, AClickWalksTheCycleThroughGrayedOnlyWhenAllowed) {
  EXPECT_EQ(ToggledCheckState(cbUnchecked, false), cbChecked);
  EXPECT_EQ(ToggledCheckState(cbChecked, false), cbUnchecked);
  EXPECT_EQ(ToggledCheckState(cbGrayed, false), cbChecked);
  TCheckBoxState s = cbUnchecked;
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 6; ++i) seen.push_back(s = ToggledCheckState(s, true));
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed, cbChecked, cbUnchecked}));
}

}  // namespace
}  // namespace qw::test
