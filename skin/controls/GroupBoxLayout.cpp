#include "skin/controls/GroupBoxLayout.h"

#include <algorithm>

#include "skin/render/TextPaint.h"

namespace qw {

namespace {

// The caption keeps this distance from the box's side.
constexpr int kCaptionSideGap = 6;

}  // namespace

TRect GroupBoxCaptionRect(const TGroupBoxCaption& c) {
  const int h = std::max(4, c.LetterHeight) + 2;
  const TsMarginValues& m = c.Margin;
  const int cm = m.Left + m.Right;
  TRect r;
  r.Top = 0;
  r.Bottom = h + m.Top + m.Bottom;
  if (c.Skinned) {
    r.Bottom += c.YOffset;
    if (c.YOffset < 0) r.Top = c.YOffset;
  }
  // Right-to-left reading mirrors the two side layouts.
  TsCaptionLayout layout = c.Layout;
  if (c.RightToLeft && layout == clTopLeft) layout = clTopRight;
  else if (c.RightToLeft && layout == clTopRight) layout = clTopLeft;
  if (c.FixedWidth != 0) {
    const int cw = c.FixedWidth;
    switch (layout) {
      case clTopCenter:
        r.Left = (c.BoxWidth - cw - kCaptionSideGap) / 2;
        break;
      case clTopLeft:
        r.Left = m.Left + kCaptionSideGap;
        break;
      case clTopRight:
        r.Left = c.BoxWidth - cw - m.Right - kCaptionSideGap;
        break;
    }
    r.Left = std::max(r.Left, 0);
    r.Right = std::min(r.Left + m.Left + cw, c.BoxWidth);
  } else {
    const int tw = c.TextWidth;
    switch (layout) {
      case clTopCenter:
        r.Left = (c.BoxWidth - tw - cm - kCaptionSideGap) / 2;
        break;
      case clTopLeft:
        r.Left = kCaptionSideGap;
        break;
      case clTopRight:
        r.Left = c.BoxWidth - tw - 2 * cm - kCaptionSideGap;
        break;
    }
    r.Left = std::max(r.Left, 0);
    r.Right = std::min(r.Left + tw + 2 * cm, c.BoxWidth);
  }
  if (WidthOfRect(r) < 2 * c.BevelWidth) {
    r.Left -= c.BevelWidth;
    r.Right += c.BevelWidth;
  }
  return r;
}

int GroupBoxFrameTop(const TRect& captionRect, int yOffset) {
  return yOffset < 0 ? 0 : HeightOfRect(captionRect) / 2;
}

TRect GroupBoxTextRect(const TRect& captionRect, const TsMarginValues& margin) {
  return TRect{captionRect.Left + margin.Left, captionRect.Top + margin.Top, captionRect.Right - margin.Right,
               captionRect.Bottom - margin.Bottom};
}

uint32_t GroupBoxCaptionFlags(bool fixedWidth, bool rightToLeft) {
  uint32_t flags = kDtSingleLine | kDtVCenter | (fixedWidth ? kDtEndEllipsis : kDtCenter);
  if (rightToLeft) flags |= kDtRtlReading;
  return flags;
}

}  // namespace qw
