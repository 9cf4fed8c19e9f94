#include "skin/frame/FrameHitTest.h"

namespace qw {

namespace {

bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

// The button under the point; Code stays HTNOWHERE when there is none.
TFrameHit ButtonAt(const TCaptionLayout& c, TPoint pt) {
  for (const TCaptionButtonBox& b : c.System) {
    if (Contains(b.Rect, pt)) return b.Clickable ? TFrameHit{b.HitCode, true} : TFrameHit{kHtCaption, false};
  }
  for (const TCaptionButtonBox& b : c.User) {
    if (Contains(b.Rect, pt)) return b.Clickable ? TFrameHit{b.HitCode, true} : TFrameHit{kHtClient, false};
  }
  return {};
}

// The sizing code of a point on the border, HTNOWHERE inside it.
int32_t SizingCode(const TFrameHitRules& r, TPoint pt) {
  const int32_t f = r.SizingBorder;
  const bool left = pt.X < f, right = pt.X >= r.Window.Width - f;
  if (pt.Y >= r.Window.Height - f) return left ? kHtBottomLeft : right ? kHtBottomRight : kHtBottom;
  if (pt.Y < f) return left ? kHtTopLeft : right ? kHtTopRight : kHtTop;
  return left ? kHtLeft : right ? kHtRight : kHtNowhere;
}

}  // namespace

TFrameHitRules FormHitRules(const TFrameGeometry& g, const TFrameWindow& w, const TCaptionLayout& c, TRect grip) {
  TFrameHitRules r;
  r.Window = TSize{w.Width, w.Height};
  if (!w.BorderWindow.Present) r.ButtonBand = TRect{0, 0, w.Width, w.Height};
  r.CaptionBand = TRect{0, 0, w.Width, g.SysBorderHeight + g.CaptionHeight};
  r.SysMenu = c.Icon;
  if ((w.Style & kWsThickFrame) && !w.Maximized() && !w.BorderWindow.Present) r.SizingBorder = g.SysBorderWidth;
  r.Grip = grip;
  return r;
}

TFrameHitRules DialogHitRules(const TFrameGeometry& g, const TFrameWindow& w, const TFrameMetrics& m,
                              int32_t closeHeight) {
  TFrameHitRules r;
  r.Window = TSize{w.Width, w.Height};
  const int32_t top = (g.SysBorderHeight + g.CaptionHeight - closeHeight) / 2;
  r.ButtonBand = r.CaptionBand = TRect{0, top, w.Width, top + closeHeight};
  r.SysMenu = TRect{g.SysBorderWidth, top, g.SysBorderWidth + m.SmallIconWidth, top + closeHeight};
  if (w.Maximized()) r.ErrorOutside = TRect{2, 2, w.Width - 4, w.Height - 4};
  r.OtherCode = kHtNowhere;
  return r;
}

TFrameHit HitTestFrame(const TCaptionLayout& c, const TFrameHitRules& r, TPoint pt) {
  if (Contains(r.ButtonBand, pt)) {
    const TFrameHit button = ButtonAt(c, pt);
    if (button.Code != kHtNowhere) return button;
  }
  if (r.SizingBorder > 0) {
    const int32_t sizing = SizingCode(r, pt);
    if (sizing != kHtNowhere) return {sizing, false};
  }
  if (Contains(r.CaptionBand, pt)) {
    return Contains(r.SysMenu, pt) ? TFrameHit{kHtSysMenu, true} : TFrameHit{kHtCaption, false};
  }
  if (Contains(r.MenuBand, pt)) return {kHtMenu, false};
  if (Contains(r.Grip, pt)) return {kHtBottomRight, true};
  if (!IsRectEmpty(r.ErrorOutside) && !Contains(r.ErrorOutside, pt)) return {kHtError, true};
  return {r.OtherCode, false};
}

}  // namespace qw
