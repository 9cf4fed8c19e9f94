#include "skin/frame/FrameLayout.h"

#include <algorithm>
#include <limits>

namespace qw {

namespace {

// Window sizes come from the system and the form; a sum that would not fit (or a difference that would
// go negative) is clamped rather than wrapped.
int32_t NonNegative(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

bool IsToolWindow(TqxBorderStyle s) { return s == qxbsToolWindow || s == qxbsSizeToolWin; }

// The system's border for the window's style: a sizing frame, a fixed one, or none.
int32_t SystemFrameWidth(const TFrameWindow& w, const TFrameMetrics& m) {
  if (w.Style & kWsThickFrame) return m.FrameWidth;
  return (w.Style & kWsBorder) ? m.DlgFrameWidth : 0;
}

int32_t SysCaptionHeight(const TFrameWindow& w, const TFrameMetrics& m) {
  return IsToolWindow(w.BorderStyle) && !w.Iconic() ? m.SmallCaptionHeight : m.CaptionHeight;
}

// The caption the frame paints: none without the full caption style (an iconic window always shows
// one); the skin's own height in a border window, at least the system's plus 4 when maximised and the
// skin's maximised caption is higher than that.
int32_t CaptionHeight(const TFrameWindow& w, int32_t sysCaption) {
  if (!((HaveBorder(w) && (w.Style & kWsCaption) == kWsCaption) || w.Iconic())) return 0;
  const TBorderWindowFrame& bw = w.BorderWindow;
  if (!bw.Present) return sysCaption;
  const bool tallMaximized = w.Maximized() && bw.MaxHeight > sysCaption + 4;
  return tallMaximized ? std::max(bw.TitleHeight, sysCaption + 4) : bw.TitleHeight;
}

}  // namespace

bool HaveBorder(const TFrameWindow& w) { return w.BorderStyle != qxbsNone || w.Child; }

TFrameGeometry MeasureFrame(const TFrameWindow& w, const TFrameMetrics& m) {
  const TBorderWindowFrame& bw = w.BorderWindow;
  TFrameGeometry g;
  g.SystemFrameWidth = SystemFrameWidth(w, m);
  g.SysBorderWidth = bw.Present ? bw.BorderWidth : g.SystemFrameWidth;
  g.SysBorderHeight = bw.Present ? 0 : g.SystemFrameWidth;
  g.BorderWidth = NonNegative(int64_t{g.SysBorderWidth} + w.FormBorderWidth);
  g.BorderHeight = NonNegative(int64_t{g.SysBorderHeight} + w.FormBorderWidth);
  g.SysCaptionHeight = SysCaptionHeight(w, m);
  g.CaptionHeight = CaptionHeight(w, g.SysCaptionHeight);

  // Below the client area lies only the window's border (the system's and the form's own); everything
  // else the window has beyond its client area vertically is above it.
  const int64_t aroundX = int64_t{w.Width} - w.ClientWidth, aroundY = int64_t{w.Height} - w.ClientHeight;
  const int64_t above = aroundY - g.SystemFrameWidth - w.FormBorderWidth;
  g.HeaderHeight = NonNegative(std::max<int64_t>(above, 0) + (w.Iconic() ? g.SysBorderHeight : 0) - w.HScrollHeight);

  int64_t offsetX = (aroundX - w.VScrollWidth) / 2, offsetY = above - w.HScrollHeight;
  int64_t captionWidth = w.Width;
  if (bw.Present) {
    // The picture holds the shadow and the skin's wider frame around the form's window, whose own
    // frame and caption are replaced by the skin's.
    const int64_t extraFrame = int64_t{bw.BorderWidth} - g.SystemFrameWidth;
    offsetX += extraFrame + bw.Shadow.Left;
    offsetY += int64_t{bw.Shadow.Top} - g.SystemFrameWidth +
               (g.CaptionHeight > 0 ? int64_t{bw.TitleHeight} - g.SysCaptionHeight : 0);
    captionWidth += int64_t{bw.Shadow.Left} + bw.Shadow.Right + 2 * extraFrame;
  }
  g.OffsetX = NonNegative(offsetX);
  g.OffsetY = NonNegative(offsetY);
  g.CaptionWidth = NonNegative(captionWidth);
  return g;
}

TFrameStrips FrameStrips(const TFrameGeometry& g, const TFrameWindow& w) {
  const int32_t width = std::max(w.Width, 0), height = std::max(w.Height, 0);
  const int32_t top = std::min(g.HeaderHeight, height), left = std::min(g.BorderWidth, width);
  const int32_t right = std::max(left, width - NonNegative(int64_t{g.BorderWidth} + w.VScrollWidth));
  const int32_t bottom = std::max(top, height - NonNegative(int64_t{g.BorderHeight} + w.HScrollHeight));
  return TFrameStrips{TRect{0, 0, width, top}, TRect{0, top, left, height}, TRect{left, bottom, right, height},
                      TRect{right, top, width, height}};
}

TBarPlacement FrameScrollBars(const TFrameGeometry& g, const TFrameWindow& w) {
  const TNonClientEdges edges{g.BorderWidth, g.HeaderHeight, g.BorderWidth, g.BorderHeight};
  return PlaceBars(w.Width, w.Height, edges, w.HScrollHeight, w.HScrollHeight > 0, w.VScrollWidth, w.VScrollWidth > 0,
                   false);
}

TSize FrameWindowSize(const TFrameWindow& w, const TFrameMetrics& m) {
  const int64_t border = 2 * (int64_t{SystemFrameWidth(w, m)} + w.FormBorderWidth);
  TFrameWindow system = w;
  system.BorderWindow.Present = false;
  const int64_t caption = CaptionHeight(system, SysCaptionHeight(w, m));
  return TSize{NonNegative(int64_t{w.ClientWidth} + border + w.VScrollWidth),
               NonNegative(int64_t{w.ClientHeight} + border + caption + w.HScrollHeight)};
}

TqxBorderStyle DialogBorderStyle(uint32_t style) {
  if ((style & kWsPopup) && (style & kWsCaption) != kWsCaption) return qxbsNone;
  if (style & kWsThickFrame) return qxbsSizeable;
  return (style & kDsModalFrame) ? qxbsDialog : qxbsSizeable;
}

}  // namespace qw
