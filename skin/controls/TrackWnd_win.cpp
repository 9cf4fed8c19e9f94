#include "skin/controls/TrackWnd_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "fw/MessageCrack.h"
#include "fw/PaintDC.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

constexpr int kTickLength = 3, kTickGap = 1;

// Paints a section item over R of Bmp, on what Bmp holds there.
void PaintPart(TBitmap32& bmp, const RECT& r, std::u16string_view section, int state, const TsSkinManager* m) {
  const int left = std::max<int>(0, r.left), top = std::max<int>(0, r.top);
  const int right = std::min<int>(bmp.Width(), r.right), bottom = std::min<int>(bmp.Height(), r.bottom);
  if (right <= left || bottom <= top) return;
  TBitmap32 part(right - left, bottom - top);
  if (PaintSectionByName(part, section, u"", &bmp, TPoint{left, top}, clNoColor, m, state) < 0) return;
  for (int y = 0; y < part.Height(); ++y) std::copy_n(part.Row(y), part.Width(), bmp.Row(top + y) + left);
}

}  // namespace

bool TqxTrackWnd::Paints() const {
  const TsSkinManager* m = Manager();
  return !Destroyed && SkinData && m && m->Active();
}

bool TqxTrackWnd::PrepareCache() {
  if (!SkinData->BGChanged) return true;
  const TsSkinManager* m = Manager();
  MeasureWindow();
  TCacheInfo ci;
  if (!m || !BeginWrapperPicture(*SkinData, CtrlHandle, WndSize, ci)) return false;
  TBitmap32& cache = *SkinData->CacheBmp();
  const TRect all{0, 0, cache.Width(), cache.Height()};
  const TPoint at{WndPos.x, WndPos.y};
  PaintParentBackground(cache, all, ci, at);
  if (m->IsValidSkinIndex(SkinData->SkinIndex())) PaintControlItem(*SkinData, ci, 0, all, at, cache, true);
  SkinData->BGChanged = false;
  return true;
}

int TqxTrackWnd::ThumbState() const {
  if (!IsWindowEnabled(CtrlHandle)) return 0;
  if (GetCapture() == CtrlHandle) return 2;
  RECT thumb{};
  SendMessageW(CtrlHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(CtrlHandle, &p);
  return PtInRect(&thumb, p) ? 1 : 0;
}

void TqxTrackWnd::PaintTicks(TBitmap32& bmp, const RECT& channel, const RECT& thumb, TColor color) {
  const LONG style = GetWindowLongW(CtrlHandle, GWL_STYLE);
  if (style & TBS_NOTICKS) return;
  const bool vertical = (style & TBS_VERT) != 0;
  // Where the ticks lie along the channel: the ends where the thumb's middle stands at the range's
  // ends, and the system's own positions between them.
  const int half = vertical ? (thumb.bottom - thumb.top) / 2 : (thumb.right - thumb.left) / 2;
  std::vector<int> at{vertical ? channel.top + half : channel.left + half,
                      vertical ? channel.bottom - half - 1 : channel.right - half - 1};
  const int count = static_cast<int>(SendMessageW(CtrlHandle, TBM_GETNUMTICS, 0, 0));
  for (int i = 0; i + 2 < count; ++i) {
    const auto pos = static_cast<int>(SendMessageW(CtrlHandle, TBM_GETTICPOS, static_cast<WPARAM>(i), 0));
    if (pos >= 0) at.push_back(pos);
  }
  // TBS_TOP and TBS_LEFT share a bit, as do TBS_BOTTOM and TBS_RIGHT (0).
  const bool before = (style & (TBS_TOP | TBS_BOTH)) != 0, after = !(style & TBS_TOP) || (style & TBS_BOTH);
  for (int p : at) {
    if (vertical) {
      if (before) FillRect32(bmp, TRect{thumb.left - kTickGap - kTickLength, p, thumb.left - kTickGap, p + 1}, color, 255);
      if (after) FillRect32(bmp, TRect{thumb.right + kTickGap, p, thumb.right + kTickGap + kTickLength, p + 1}, color, 255);
    } else {
      if (before) FillRect32(bmp, TRect{p, thumb.top - kTickGap - kTickLength, p + 1, thumb.top - kTickGap}, color, 255);
      if (after) FillRect32(bmp, TRect{p, thumb.bottom + kTickGap, p + 1, thumb.bottom + kTickGap + kTickLength}, color, 255);
    }
  }
}

void TqxTrackWnd::WMPaint(TMessage& message, HDC given) {
  message.Result = 0;
  TPaintDC cycle(CtrlHandle, given);
  if (!cycle.Handle() || !Ready()) return;
  const TsSkinManager* m = Manager();
  TBitmap32 picture = SkinData->CacheBmp()->Clone();
  const POINT client = ClientOffset();
  RECT channel{}, thumb{};
  SendMessageW(CtrlHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageW(CtrlHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  // The system gives a vertical channel as a horizontal one.
  if ((GetWindowLongW(CtrlHandle, GWL_STYLE) & TBS_VERT) && channel.right - channel.left > channel.bottom - channel.top)
    channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  for (RECT* r : {&channel, &thumb}) OffsetRect(r, client.x, client.y);
  FThumbState = ThumbState();
  PaintPart(picture, channel, u"EDIT", 0, m);
  PaintTicks(picture, channel, thumb, ColorToRGB(static_cast<TColor>(m->GetGlobalFontColor())));
  PaintPart(picture, thumb, u"BUTTON", FThumbState, m);
  RECT cr{};
  GetClientRect(CtrlHandle, &cr);
  CopyBitmapToDC(cycle.Handle(), picture, TRect{client.x, client.y, client.x + cr.right, client.y + cr.bottom},
                 TPoint{0, 0});
}

void TqxTrackWnd::RepaintOnChange(TMessage& message) {
  CallPrevWndProc(message);
  if (Destroyed) return;
  if (message.Msg == WM_MOUSEMOVE) {
    // Told when the mouse leaves, so the thumb does not stay hot.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, CtrlHandle, 0};
    TrackMouseEvent(&track);
  }
  if (ThumbState() != FThumbState) InvalidateRect(CtrlHandle, nullptr, FALSE);
}

void TqxTrackWnd::qxWndProc(TMessage& message) {
  if (!Paints()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      return RepaintOnChange(message);
    case WM_ENABLE:
    case WM_SIZE:
    case WM_MOVE:
      SkinData->BGChanged = true;
      CallPrevWndProc(message);
      if (!Destroyed) InvalidateRect(CtrlHandle, nullptr, FALSE);
      return;
    default:
      return TqxSectionWnd::qxWndProc(message);
  }
}

}  // namespace qw
