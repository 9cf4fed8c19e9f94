#include "skin/controls/PanelLayout.h"

#include "skin/render/TextPaint.h"

namespace qw {

std::u16string_view PanelBevelSection(TBevelCut outer) {
  switch (outer) {
    case bvNone:
      return u"CHECKBOX";
    case bvLowered:
      return u"PANEL_LOW";
    case bvRaised:
      return u"PANEL";
    default:
      return {};
  }
}

std::optional<std::u16string_view> PanelSectionAfterBevelChange(std::u16string_view current, TBevelCut oldBevel,
                                                                TBevelCut newBevel) {
  const std::u16string_view before = PanelBevelSection(oldBevel), after = PanelBevelSection(newBevel);
  if (before.empty() || after.empty() || current != before || before == after) return std::nullopt;
  return after;
}

int PanelContentInset(TBevelCut outer, TBevelCut inner, int bevelWidth, int borderWidth) {
  return bevelWidth * ((outer != bvNone) + (inner != bvNone)) + borderWidth;
}

TPanelCaption PanelCaptionPlacement(const TRect& textRect, TAlignment alignment, TVerticalAlignment vertical,
                                    int borderWidth, int wrappedHeight, bool rightToLeft) {
  TPanelCaption c;
  c.R = textRect;
  c.Flags = kDtExpandTabs | kDtNoPrefix | (rightToLeft ? kDtRtlReading : 0u);
  switch (alignment) {
    case taLeftJustify:
      c.Flags |= rightToLeft ? kDtRight : kDtLeft;
      break;
    case taRightJustify:
      c.Flags |= rightToLeft ? kDtLeft : kDtRight;
      break;
    case taCenter:
      c.Flags |= kDtCenter;
      break;
  }
  switch (vertical) {
    case taVerticalCenter:
      c.R.Top = (HeightOfRect(textRect) - wrappedHeight) / 2 + borderWidth;
      c.R.Bottom = c.R.Top + wrappedHeight;
      c.Flags |= kDtVCenter | kDtWordBreak;
      break;
    case taAlignTop:
      c.Flags |= kDtSingleLine;
      break;
    case taAlignBottom:
      c.Flags |= kDtSingleLine | kDtBottom;
      break;
  }
  return c;
}

TColor PanelFillColor(const TPanelFillInput& in) {
  const TColor own = in.CustomColor ? in.Color : in.SectionColor;
  if (in.Transparency <= 0) return own;
  if (in.Transparency >= 100) return in.ParentColor;
  return MixColors(ColorToRGB(in.ParentColor), ColorToRGB(own), in.Transparency / 100.0);
}

}  // namespace qw
