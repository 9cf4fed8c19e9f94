#include "skin/controls/TabContentLayout.h"

#include <algorithm>

namespace qw {

namespace {

TRect RectAt(int left, int top, int width, int height) { return TRect{left, top, left + width, top + height}; }

// A caption along a horizontal strip: the parts sit side by side, the caption centred when nothing else
// claims the tab's left.
TTabContent HorizontalContent(const TTabContentInput& in) {
  TTabContent out;
  const int tw = in.CaptionWidth;
  const int th = in.CaptionHeight;
  const bool selected = in.Selected;
  const bool menu = in.Type == ttMenu;
  const bool close = in.CloseButton && in.Type == ttTab;
  TRect t = in.Tab;
  // The edge towards the page is covered by the page area's border.
  if (in.Position == tpBottom) t.Top += 2;
  else if (in.Position == tpTop) t.Bottom -= 2;
  if (in.Type == ttTab) {
    if (in.Style != tsTabs) {
      t = OffsetRect(t, 0, 1);
    } else if (in.Position == tpBottom) {
      t = selected ? OffsetRect(t, -1, -2) : OffsetRect(t, 0, -2);
    } else if (in.Position == tpTop) {
      t.Top += 2;
      t = selected ? OffsetRect(t, -1, -2) : OffsetRect(t, 0, 1);
    }
  }
  TRect text = t;
  // A menu arrow goes below the caption when the strip has room for it, else at the tab's right end.
  out.ArrowBelowText = menu && in.StripHeight - th - 6 > kTabArrowSize;
  if (menu && !out.ArrowBelowText) {
    out.MenuArrow = RectAt(t.Right - 13, t.Top + (HeightOfRect(t) - kTabArrowSize) / 2 + 1, kTabArrowSize,
                           kTabArrowSize);
    // The caption stops where the arrow starts, as it does at a close button.
    text.Right = std::min(text.Right, out.MenuArrow.Left);
  }
  if (close) {
    const TSize2 b = in.CloseButtonSize;
    out.CloseButton = RectAt(t.Right - b.Width - 4, t.Top + (HeightOfRect(t) - b.Height) / 2, b.Width, b.Height);
    text.Right = out.CloseButton.Left;
    if (selected) {
      out.CloseButton = OffsetRect(out.CloseButton, 1, in.Position == tpBottom ? 2 : 1);
      t = OffsetRect(t, 3, 0);
    }
  }
  if (in.Image) {
    const TSize2 i = *in.Image;
    const int left = close ? t.Left + 3 : std::max((WidthOfRect(t) - (tw + i.Width + 6)) / 2 + t.Left, t.Left + 3);
    out.Image = RectAt(left, t.Top + (HeightOfRect(t) - i.Height) / 2, i.Width, i.Height);
    text.Left = out.Image.Right + 6;
    if (selected) out.Image = OffsetRect(out.Image, 1, in.Style == tsTabs ? 1 : 0);
  } else if (close || menu || (in.CloseButtonsOn && in.Type == ttTab)) {
    text.Left = t.Left + 4;
  } else {
    text.Left = t.Left + (WidthOfRect(t) - tw) / 2;
  }
  text.Right = std::min(text.Left + tw + 2, !menu && !close ? text.Right - 3 : text.Right);
  text.Top = text.Top + (HeightOfRect(text) - th) / 2;
  text.Bottom = text.Top + th;
  if (out.ArrowBelowText) {
    text = OffsetRect(text, 0, -4);
    out.MenuArrow = RectAt(text.Left + (WidthOfRect(text) - kTabArrowSize) / 2, text.Bottom, kTabArrowSize,
                           kTabArrowSize);
  }
  if (in.FocusWanted && selected && in.Type == ttTab)
    out.Focus = TRect{text.Left - 3, text.Top, text.Right + 3, text.Bottom + 3};
  if (selected) {
    text = OffsetRect(text, 1, 1);
    if (menu) out.MenuArrow = OffsetRect(out.MenuArrow, 1, 1);
  }
  out.Text = text;
  out.RotatedOrigin = TPoint{text.Left, text.Bottom};
  return out;
}

// A caption running upward: arrow or close button at the tab's top, the image at its bottom, the
// caption between them.
TTabContent VerticalContent(const TTabContentInput& in) {
  TTabContent out;
  out.ArrowDirection = tadRight;
  const int tw = in.CaptionWidth;
  const int th = in.CaptionHeight;
  const bool selected = in.Selected;
  const bool close = in.CloseButton && in.Type == ttTab;
  TRect t = in.Tab;
  if (selected) t = in.Type != ttTab ? OffsetRect(t, 1, 1) : OffsetRect(t, -1, -1);
  TRect text = t;
  if (in.Type == ttMenu) {
    out.MenuArrow = RectAt(text.Left + (WidthOfRect(text) - kTabArrowSize) / 2, t.Top + 8, kTabArrowSize,
                           kTabArrowSize);
    text.Top = out.MenuArrow.Top + 11;
    if (selected) out.MenuArrow = OffsetRect(out.MenuArrow, 0, -1);
  }
  if (close) {
    const TSize2 b = in.CloseButtonSize;
    out.CloseButton = RectAt(t.Left + (WidthOfRect(t) - b.Width) / 2, t.Top + 4, b.Width, b.Height);
    text.Top = out.CloseButton.Bottom + 2;
    if (selected) {
      t = OffsetRect(t, 0, -2);
      out.CloseButton = OffsetRect(out.CloseButton, 2, 2);
    }
  }
  if (in.Image) {
    const TSize2 i = *in.Image;
    const int bottom =
        close ? t.Bottom - 3 : std::min(t.Bottom - (HeightOfRect(t) - (tw + i.Height + 6)) / 2, t.Bottom - 3);
    const int left = t.Left + (WidthOfRect(t) - i.Width) / 2 + 1 + (selected && in.Type == ttButton ? 3 : 0);
    out.Image = TRect{left, bottom - i.Height, left + i.Width, bottom};
    text.Bottom = out.Image.Top - 6;
  } else {
    text.Bottom = close ? t.Bottom - 5 : t.Bottom - (HeightOfRect(t) - tw) / 2;
  }
  text.Top = std::max(text.Bottom - tw - 2, text.Top + 3);
  text.Left = text.Left + (WidthOfRect(text) - th) / 2;
  text.Right = text.Left + th + 2;
  if (in.FocusWanted && selected && in.Type == ttTab)
    out.Focus = TRect{text.Left - 1, text.Top - 3, text.Right + 3, text.Bottom + 3};
  out.Text = text;
  out.RotatedOrigin = TPoint{text.Left + (WidthOfRect(text) - th) / 2, text.Bottom};
  return out;
}

}  // namespace

TTabContent TabContentLayout(const TTabContentInput& in) {
  return in.Rotated ? VerticalContent(in) : HorizontalContent(in);
}

}  // namespace qw
