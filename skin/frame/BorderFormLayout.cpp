#include "skin/frame/BorderFormLayout.h"

#include <algorithm>

namespace qw {

TBorderFormLayout LayoutBorderForm(const TFrameGeometry& g, const TFrameWindow& w) {
  const TRect& shadow = w.BorderWindow.Shadow;
  TBorderFormLayout l;
  // The client area keeps its size; G's offsets already place it inside the shadow and the skin's frame.
  l.Client = TRect{g.OffsetX, g.OffsetY, g.OffsetX + std::max(0, w.ClientWidth), g.OffsetY + std::max(0, w.ClientHeight)};
  const int32_t below = g.BorderWidth + w.HScrollHeight;
  l.Picture = TSize{std::max(0, g.CaptionWidth), std::max(0, l.Client.Bottom + below + shadow.Bottom)};
  l.Frame = TRect{shadow.Left, shadow.Top, std::max(shadow.Left, l.Picture.Width - shadow.Right),
                  std::max(shadow.Top, l.Picture.Height - shadow.Bottom)};
  // The form's client area lies where the system's frame and caption leave it in the form's window.
  const int32_t clientLeft = std::max(0, (w.Width - w.ClientWidth - w.VScrollWidth) / 2);
  const int32_t clientTop = std::max(0, w.Height - w.ClientHeight - g.SystemFrameWidth - w.FormBorderWidth - w.HScrollHeight);
  l.FormOrigin = TPoint{l.Client.Left - clientLeft, l.Client.Top - clientTop};
  l.FormClient = TRect{clientLeft, clientTop, clientLeft + std::max(0, w.ClientWidth) + w.VScrollWidth,
                       clientTop + std::max(0, w.ClientHeight) + w.HScrollHeight};
  return l;
}

TRect FormShadowSize(bool extendedBorders, bool skinBorderPicture, const TRect& pictureBorders, int32_t contentOffset,
                     int32_t drawMode) {
  if (!extendedBorders) return TRect{};
  if (!skinBorderPicture) return TRect{kBuiltInShadowSize, kBuiltInShadowSize, kBuiltInShadowSize, kBuiltInShadowSize};
  const int32_t c = std::max(0, contentOffset);
  if (drawMode != 0) return TRect{c, c, c, c};
  auto less = [c](int32_t width) { return std::max(0, width - c); };
  return TRect{less(pictureBorders.Left), less(pictureBorders.Top), less(pictureBorders.Right), less(pictureBorders.Bottom)};
}

TFrameHit HitTestBorderForm(const TBorderFormLayout& l, const TFrameGeometry& g, const TFrameWindow& w,
                            const TCaptionLayout& c, int32_t shadowOffset, TPoint pt) {
  const TRect& s = w.BorderWindow.Shadow;
  auto inset = [shadowOffset](int32_t width) { return std::max(0, width - shadowOffset); };
  const TRect solid{inset(s.Left), inset(s.Top), l.Picture.Width - inset(s.Right), l.Picture.Height - inset(s.Bottom)};
  if (!w.Maximized() && !PointInRect(solid, pt)) return {kHtTransparent, true};
  if (PointInRect(l.Client, pt)) return {kHtClient, false};
  TFrameHitRules r;
  r.Window = l.Picture;
  r.ButtonBand = TRect{0, 0, l.Picture.Width, l.Picture.Height};
  r.CaptionBand = TRect{l.Frame.Left, l.Frame.Top, l.Frame.Right, l.Client.Top};
  r.SysMenu = c.Icon;
  r.OtherCode = kHtNowhere;
  TFrameHitRules buttonsOnly;
  buttonsOnly.Window = r.Window, buttonsOnly.ButtonBand = r.ButtonBand;
  const TFrameHit button = HitTestFrame(c, buttonsOnly, pt);
  if (button.Own) return button;
  if ((w.Style & kWsThickFrame) && !w.Maximized()) {
    // The sizing zones reach from the frame's inner edge out to the shadow's solid edge.
    const bool left = pt.X < l.Frame.Left + g.SysBorderWidth, right = pt.X >= l.Frame.Right - g.SysBorderWidth;
    const bool top = pt.Y < l.Frame.Top + g.SysBorderWidth, bottom = pt.Y >= l.Frame.Bottom - g.SysBorderWidth;
    if (top) return {left ? kHtTopLeft : right ? kHtTopRight : kHtTop, false};
    if (bottom) return {left ? kHtBottomLeft : right ? kHtBottomRight : kHtBottom, false};
    if (left || right) return {left ? kHtLeft : kHtRight, false};
  }
  return HitTestFrame(c, r, pt);
}

TRect StretchFrameToWorkArea(const TBorderFormLayout& l, const TRect& window, const TRect& workArea, bool horizontal) {
  TRect r = window;
  // How far the frame reaches beyond the form's window on each side.
  const int32_t before = horizontal ? l.FormOrigin.X - l.Frame.Left : l.FormOrigin.Y - l.Frame.Top;
  const int32_t after = horizontal ? l.Frame.Right - l.FormOrigin.X - WidthOfRect(window)
                                   : l.Frame.Bottom - l.FormOrigin.Y - HeightOfRect(window);
  if (horizontal) {
    r.Left = workArea.Left + before;
    r.Right = std::max(r.Left, workArea.Right - after);
  } else {
    r.Top = workArea.Top + before;
    r.Bottom = std::max(r.Top, workArea.Bottom - after);
  }
  return r;
}

}  // namespace qw
