#include "skin/controls/BtnWnd_win.h"

#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "fw/MessageCrack.h"
#include "fw/PaintDC.h"
#include "fw/WinControl.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/StdChildStyles.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/controls/WrappedButtonLayout.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/FocusFrame.h"
#include "skin/render/SectionPaint.h"

namespace qw {

TqxBtnWnd::TqxBtnWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                     bool dlgMode)
    : TqxMainWnd(wnd, section, manager, skinData) {
  DlgMode = dlgMode;
}

TqxBtnWnd::~TqxBtnWnd() {
  StopFade(FFade);
  if (!Destroyed) Detach();
}

std::u16string_view TqxBtnWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"BUTTON") : GivenSection();
}

uint32_t TqxBtnWnd::CtrlStyle() const { return static_cast<uint32_t>(GetWindowLongW(CtrlHandle, GWL_STYLE)); }

bool TqxBtnWnd::Down() const { return (SendMessageW(CtrlHandle, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

int TqxBtnWnd::CurrentState() const {
  if (Down()) {
    // A held button shows no glow around it.
    if (SkinData) SkinData->HideGlow();
    return StatePressed;
  }
  if (!IsWindowEnabled(CtrlHandle)) return StateNormal;
  if (GetFocus() == CtrlHandle || ActiveControl() == CtrlHandle || (SkinData && SkinData->FMouseAbove)) return StateHot;
  return IsDefaultButtonStyle(CtrlStyle()) ? StateDefault : StateNormal;
}

void TqxBtnWnd::Repaint() {
  if (WindowVisible()) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TqxBtnWnd::CursorInside() const {
  POINT pt{};
  RECT r{};
  return GetCursorPos(&pt) && GetWindowRect(CtrlHandle, &r) && PtInRect(&r, pt);
}

// ---- Picture ------------------------------------------------------------------------------------------

int TqxBtnWnd::MaxCaptionWidth() const {
  return WrappedMaxCaptionWidth(!Caption.empty(), WndSize.cx, GlyphSize().Width);
}

TRect TqxBtnWnd::CaptionRect(TItemSize text) const { return WrappedCaptionRect(WndSize.cx, WndSize.cy, text, Down()); }

void TqxBtnWnd::DrawGlyph(TBitmap32&, int) {}

void TqxBtnWnd::SelectCaptionFont(TCanvas& canvas) const {
  if (const TWinControl* c = Control()) {
    canvas.SetFont(c->Font());
    return;
  }
  auto font = reinterpret_cast<HFONT>(SendMessageW(CtrlHandle, WM_GETFONT, 0, 0));
  SelectObject(canvas.Handle(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
}

TItemSize TqxBtnWnd::TextRectSize(TCanvas& canvas) const {
  if (Caption.empty()) return TItemSize{};
  RECT r{0, 0, MaxCaptionWidth() + 2, 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_CENTER;
  if (CtrlStyle() & BS_MULTILINE) flags |= DT_WORDBREAK;
  DrawTextW(canvas.Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &r, flags);
  return TItemSize{r.right - r.left, r.bottom - r.top};
}

void TqxBtnWnd::DrawCaption(TBitmap32& cache, int state) {
  FTextSize = TItemSize{};
  if (Caption.empty()) return;
  TRect r;
  {
    TBitmapCanvas canvas(cache);
    if (!canvas.Handle()) return;
    SelectCaptionFont(canvas.Canvas());
    SetBkMode(canvas.Handle(), TRANSPARENT);
    FTextSize = TextRectSize(canvas.Canvas());
    r = CaptionRect(FTextSize);
    uint32_t flags = DT_CENTER | DT_EXPANDTABS;
    // Only a multi-line button wraps its caption; any other shows one line, as the system draws it.
    if (CtrlStyle() & BS_MULTILINE) flags |= DT_WORDBREAK;
    if (GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
    WriteSkinText(canvas.Canvas(), std::u16string_view(reinterpret_cast<const char16_t*>(Caption.data()), Caption.size()),
                  true, state != StateNormal, *SkinData, flags, r);
  }
  const TsSkinManager* m = Manager();
  const bool showFocus = m && m->IsValidSkinIndex(SkinData->SkinIndex()) &&
                         m->gd[static_cast<size_t>(SkinData->SkinIndex())].ShowFocus;
  if (IsWindowEnabled(CtrlHandle) && (SendMessageW(CtrlHandle, BM_GETSTATE, 0, 0) & BST_FOCUS) && showFocus)
    DrawDottedFocusFrame(cache, TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1}, clBtnFace);
}

bool TqxBtnWnd::PrepareCache() {
  TsSkinManager* m = Manager();
  if (!SkinData || !m || !m->IsValidSkinIndex(SkinData->SkinIndex())) return false;
  MeasureWindow();
  TCacheInfo ci;
  if (!BeginWrapperPicture(*SkinData, CtrlHandle, WndSize, ci)) return false;
  TBitmap32* cache = SkinData->CacheBmp();
  const int w = cache->Width(), h = cache->Height();
  const int state = CurrentState();
  const int look = BitBtnSectionState(state, m->gd[static_cast<size_t>(SkinData->SkinIndex())].States);
  const TPoint at{WndPos.x, WndPos.y};
  PaintControlItem(*SkinData, ci, look, TRect{0, 0, w, h}, at, *cache, true);
  DrawCaption(*cache, state);
  DrawGlyph(*cache, state);
  if (!IsWindowEnabled(CtrlHandle)) ApplyDisabledLook(*cache, dkBlended, ci.FillColor, at, ci);
  SkinData->BGChanged = false;
  return true;
}

// ---- Messages -------------------------------------------------------------------------------------------

void TqxBtnWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case SkinCommandMsg:
      return SkinCommand(message);
    case WM_DESTROY:
      // A fade must not outlive the window it shows its frames in.
      StopFade(FFade);
      return TqxMainWnd::qxWndProc(message);
    case WM_MOVE:
      return WMMove(message);
    case WM_SETFOCUS:
      return WMFocus(message, true);
    case WM_KILLFOCUS:
      return WMFocus(message, false);
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE:
      return WMRedrawAfter(message);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      // The whole window is the skin's picture: nothing of the system's may show.
      message.Result = 1;
      return;
    case WM_MOUSEHOVER:
      message.Result = SendSkinCommandToWindow(CtrlHandle, skcMouseEnter, reinterpret_cast<LPARAM>(Manager()));
      return;
    case WM_MOUSELEAVE:
      return WMMouseLeave(message);
    case WM_MOUSEMOVE:
      return WMMouseMove(message, PointFromLParam(message.LParam));
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

void TqxBtnWnd::SkinCommand(TMessage& message) {
  switch (SkinCommandCode(message.WParam)) {
    case skcMouseEnter:
      return SkcMouseEnter(message);
    case skcMouseLeave:
      return SkcMouseLeave(message);
    case skcStopFading:
      StopFade(FFade);
      Repaint();
      message.Result = 0;
      return;
    case skcRemoveSkin:
    case skcRefresh:
      StopFade(FFade);
      return TqxMainWnd::qxWndProc(message);
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

void TqxBtnWnd::ShowNewLook(TqxAnimatEvent event) {
  // A fade needs a control to show its frames through; a window without one changes its look at once.
  if (SkinData->OwnerControl()) {
    StartFade(FFade, *SkinData, false, FadeEventAllowed(event, kDefaultAnimatEvents, Manager()));
    return;
  }
  SkinData->BGChanged = true;
  Repaint();
  SkinData->ShowGlow(false);
}

void TqxBtnWnd::SkcMouseEnter(TMessage& message) {
  message.Result = 0;
  if (SkinData->FMouseAbove || ActiveControl() != CtrlHandle || !CursorInside()) return;
  SkinData->FMouseAbove = true;
  SkinData->FUpdating = false;
  ShowNewLook(aeMouseEnter);
}

void TqxBtnWnd::SkcMouseLeave(TMessage& message) {
  message.Result = 0;
  if (!SkinData->FMouseAbove) return;
  SkinData->HideGlow();
  SkinData->FMouseAbove = false;
  SkinData->FUpdating = false;
  ShowNewLook(aeMouseLeave);
}

void TqxBtnWnd::WMPaint(TMessage& message, HDC given) {
  const bool printing = message.Msg == WM_PRINTCLIENT;
  if (message.Msg == WM_PAINT && !ParamsChanged) SetSkinParams();
  TPaintDC dc(CtrlHandle, given);
  message.Result = 0;
  MeasureWindow();
  if (!dc.Handle() || (SkinData->FUpdating && !printing)) return;
  // A running fade shows its own frames; the cache holds the look it fades to.
  if (!FFade) SkinData->BGChanged = true;
  if (SkinData->BGChanged && !PrepareCache()) return;
  const TBitmap32& cache = *SkinData->CacheBmp();
  CopyBitmapToDC(dc.Handle(), cache, TRect{0, 0, cache.Width(), cache.Height()}, TPoint{});
}

void TqxBtnWnd::WMMove(TMessage& message) {
  CallPrevWndProc(message);
  if (Destroyed) return;
  // Only a see-through section shows the parent at the new place.
  const TsSkinManager* m = Manager();
  if (!m || !m->IsValidSkinIndex(SkinData->SkinIndex())) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(SkinData->SkinIndex())];
  const bool hot = CurrentState() != StateNormal;
  if (g.Props[0].Transparency > 0 || (hot && g.Props[1].Transparency > 0)) {
    SkinData->BGChanged = true;
    Repaint();
  }
}

void TqxBtnWnd::CallPrevSilently(TMessage& message) {
  const bool visible = WindowVisible();
  if (visible) SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  // The base keeps Caption current on a new text.
  if (message.Msg == WM_SETTEXT) TqxMainWnd::qxWndProc(message);
  else CallPrevWndProc(message);
  if (visible && !Destroyed) SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
}

void TqxBtnWnd::WMFocus(TMessage& message, bool gained) {
  if (!IsWindowEnabled(CtrlHandle)) return CallPrevWndProc(message);
  CallPrevSilently(message);
  if (Destroyed) return;
  SkinData->FFocused = gained;
  SkinData->BGChanged = true;
  RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TqxBtnWnd::WMRedrawAfter(TMessage& message) {
  if (!WindowVisible()) return TqxMainWnd::qxWndProc(message);
  CallPrevSilently(message);
  if (Destroyed) return;
  SkinData->BGChanged = true;
  Repaint();
}

void TqxBtnWnd::WMMouseMove(TMessage& message, POINT) {
  CallPrevWndProc(message);
  if (Destroyed || !IsWindowEnabled(CtrlHandle)) return;
  if (CursorInside()) {
    // The system tells the window when the mouse leaves it, so the hot look goes with the mouse.
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, CtrlHandle, 0};
    TrackMouseEvent(&track);
    SetActiveControl(Manager(), CtrlHandle);
  } else if (ActiveControl() == CtrlHandle) {
    SetActiveControl(Manager(), nullptr);
  }
}

void TqxBtnWnd::WMMouseLeave(TMessage& message) {
  CallPrevWndProc(message);
  if (!Destroyed && ActiveControl() == CtrlHandle) SetActiveControl(Manager(), nullptr);
}

}  // namespace qw
