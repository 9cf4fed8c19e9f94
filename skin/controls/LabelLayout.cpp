#include "skin/controls/LabelLayout.h"

#include "skin/render/TextPaint.h"

namespace qw {

namespace {

// A bound label beside its control keeps this much more room than the indent asks for.
constexpr int kBoundLabelGap = 4;
// A label this close to its width limit wraps its words.
constexpr int kWrapSlack = 4;

bool IsColor(TColor c) { return c != clNoColor && c != clNone; }

}  // namespace

TColor LabelFontColor(const TLabelColorInput& in) {
  if (!in.SkinActive) return in.Own;
  TColor color = in.Own;
  if (in.UseSkinColor && IsColor(in.Lent)) color = in.Lent;
  if (IsColor(in.SectionFont)) color = in.SectionFont;
  return color;
}

TColor LabelTextColor(const TLabelColorInput& in) {
  const TColor font = LabelFontColor(in);
  if (!in.SkinActive || in.Enabled || !IsColor(in.ParentColor)) return font;
  return DisabledTextColor(font, in.ParentColor);
}

TAlignment BoundLabelAlignment(TsBoundCaptionLayout layout) {
  switch (layout) {
    case sclTopCenter:
    case sclBottomCenter:
      return taCenter;
    case sclLeft:
    case sclTopRight:
    case sclBottomRight:
      return taRightJustify;
    default:
      return taLeftJustify;
  }
}

TPoint BoundLabelPosition(TsBoundCaptionLayout layout, const TRect& control, int labelWidth, int labelHeight,
                          int indent) {
  const int fw = WidthOfRect(control), fh = HeightOfRect(control);
  const int above = control.Top - labelHeight - indent;
  const int below = control.Bottom + indent;
  const int centred = control.Left + (fw - labelWidth) / 2;
  const int rightAligned = control.Left + fw - labelWidth;
  const int before = control.Left - labelWidth - indent - kBoundLabelGap;
  switch (layout) {
    case sclLeft:
      return TPoint{before, control.Top + (fh - labelHeight) / 2 - 1};
    case sclTopLeft:
      return TPoint{control.Left, above};
    case sclTopCenter:
      return TPoint{centred, above};
    case sclTopRight:
      return TPoint{rightAligned, above};
    case sclLeftTop:
      return TPoint{before, control.Top + 3};
    case sclBottomLeft:
      return TPoint{control.Left, below};
    case sclBottomCenter:
      return TPoint{centred, below};
    case sclBottomRight:
      return TPoint{rightAligned, below};
  }
  return TPoint{control.Left, above};
}

std::optional<bool> BoundLabelWordWrap(int labelWidth, int maxWidth) {
  if (maxWidth == 0) return std::nullopt;
  return labelWidth >= maxWidth - kWrapSlack;
}

}  // namespace qw
