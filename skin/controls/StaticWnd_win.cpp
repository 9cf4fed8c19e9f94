#include "skin/controls/StaticWnd_win.h"

#include "fw/BitmapCanvas.h"
#include "fw/MessageCrack.h"
#include "fw/PaintDC.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinText_win.h"

namespace qw {

namespace {

// The font the system writes its message boxes in; null when the system gives none.
HFONT CreateMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace

TqxStaticWnd::TqxStaticWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                           bool dlgMode)
    : TqxMainWnd(wnd, section, manager, skinData) {
  DlgMode = dlgMode;
}

TqxStaticWnd::~TqxStaticWnd() {
  if (!Destroyed) Detach();
}

std::u16string_view TqxStaticWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"CHECKBOX") : GivenSection();
}

bool TqxStaticWnd::PaintsWindow() const {
  return !(GetWindowLongW(CtrlHandle, GWL_STYLE) & WS_TABSTOP) &&
         !(GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

void TqxStaticWnd::RedrawNow() {
  RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool TqxStaticWnd::PaintText(TBitmap32& cache) {
  if (Caption.empty()) return true;
  const LONG style = GetWindowLongW(CtrlHandle, GWL_STYLE), exStyle = GetWindowLongW(CtrlHandle, GWL_EXSTYLE);
  uint32_t flags = DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK;
  if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
  if (exStyle & WS_EX_RIGHT) flags |= DT_RIGHT;
  if (exStyle & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  HFONT font = CreateMessageFont();
  {
    TBitmapCanvas canvas(cache);
    if (canvas.Handle()) {
      if (font) SelectObject(canvas.Handle(), font);
      SetBkMode(canvas.Handle(), TRANSPARENT);
      WriteSkinText(canvas.Canvas(), std::u16string_view(reinterpret_cast<const char16_t*>(Caption.data()), Caption.size()),
                    true, false, *SkinData, flags, TRect{0, 0, cache.Width(), cache.Height()});
    }
  }
  // The canvas has put its own font back: the message font is free to go.
  if (font) DeleteObject(font);
  return true;
}

void TqxStaticWnd::QX_WMPaint(HDC given) {
  MeasureWindow();
  HDC dc = given ? given : GetWindowDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  SkinData->BGChanged = true;
  if (PrepareWrapperCache(*SkinData, CtrlHandle, false)) {
    TBitmap32& cache = *SkinData->CacheBmp();
    if (!cache.Empty() && PaintText(cache))
      CopyBitmapToDC(dc, cache, TRect{0, 0, cache.Width(), cache.Height()}, TPoint{});
  }
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TqxStaticWnd::WMPaint(TMessage& message, HDC given) {
  message.Result = 0;
  if (message.Msg == WM_PRINTCLIENT) return QX_WMPaint(given);
  // The paint cycle runs (it validates the window); the picture goes through the window's own DC.
  TPaintDC cycle(CtrlHandle, given);
  if (WindowVisible()) QX_WMPaint(given);
}

void TqxStaticWnd::WMMoveOrEnable(TMessage& message) {
  if (!WindowVisible()) return TqxMainWnd::qxWndProc(message);
  SkinData->BGChanged = true;
  CallPrevWndProc(message);
  if (!Destroyed) RedrawNow();
}

void TqxStaticWnd::WMSetText(TMessage& message) {
  if (!WindowVisible()) return TqxMainWnd::qxWndProc(message);
  // The system would write the new text in its own look first.
  SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  TqxMainWnd::qxWndProc(message);
  if (Destroyed) return;
  SkinData->BGChanged = true;
  SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
  RedrawNow();
}

void TqxStaticWnd::qxWndProc(TMessage& message) {
  if (!Skinned() || !PaintsWindow()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_MOVE:
    case WM_ENABLE:
      return WMMoveOrEnable(message);
    case WM_SETTEXT:
      return WMSetText(message);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      if (!WindowVisible()) return TqxMainWnd::qxWndProc(message);
      message.Result = 1;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

}  // namespace qw
