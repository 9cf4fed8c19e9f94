#include "skin/controls/EditWnd_win.h"

#include "fw/WinControl.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinState.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"

namespace qw {

bool ChangesScrollState(UINT msg) {
  switch (msg) {
    case WM_SETFONT:
    case WM_SETTEXT:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case EM_SETSEL:
    case EM_LINESCROLL:
    case EM_SCROLL:
    case EM_SCROLLCARET:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
    case FW_TEXT_CHANGED:
    case FW_CHANGED:
      return true;
    default:
      return false;
  }
}

TqxEditWnd::TqxEditWnd(HWND wnd, bool scrollBars, std::u16string_view section, TsSkinManager* manager,
                       TsCommonData* skinData)
    : TqxBaseWnd(wnd, scrollBars, section, manager, skinData) {}

TqxEditWnd::~TqxEditWnd() {
  if (!Destroyed) Detach();
}

std::u16string_view TqxEditWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"EDIT") : GivenSection();
}

// ---- Colours ---------------------------------------------------------------------------------------------

void TqxEditWnd::SaveStdParams() {
  if (TWinControl* c = Control()) {
    StdColor = c->Color();
    StdFontColor = c->Font().Color();
  }
}

void TqxEditWnd::RestoreStdParams() {
  if (!ParamsChanged) return;
  ParamsChanged = false;
  if (TWinControl* c = Control()) {
    if (c->Color() != StdColor) c->SetColor(StdColor);
    if (c->Font().Color() != StdFontColor) c->Font().SetColor(StdFontColor);
    if (c->HandleAllocated()) InvalidateRect(c->Handle(), nullptr, TRUE);
  }
}

void TqxEditWnd::SetSkinParams() {
  if (FBars && FBars->bPreventStyleChange) return;
  const TsSkinManager* m = Manager();
  if (!SkinData || !m || !m->IsValidSkinIndex(SkinData->SkinIndex())) return;
  const bool wasUpdating = SkinData->FUpdating;
  SkinData->FUpdating = true;
  const TsGeneralData& g = m->gd[static_cast<size_t>(SkinData->SkinIndex())];
  if (TWinControl* c = Control()) {
    const bool active = SkinData->ControlIsActive() || GetFocus() == CtrlHandle;
    const TsGenState& look = g.Props[SectionPropsIndex(g, active && g.States > 1 ? 1 : 0)];
    bool changed = false;
    if (!SkinData->CustomColor()) {
      Color = ColorToRGB(static_cast<TColor>(look.Color));
      if (c->Color() != Color) {
        c->SetColor(Color);
        changed = true;
      }
    }
    if (!SkinData->CustomFont()) {
      const TColor font = ColorToRGB(static_cast<TColor>(look.FontColor.Color));
      if (c->Font().Color() != font) {
        c->Font().SetColor(font);
        changed = true;
      }
    }
    if (changed) InvalidateRect(CtrlHandle, nullptr, TRUE);
  } else {
    if (!SkinData->CustomColor())
      Color = DlgMode ? static_cast<TColor>(GetSysColor(COLOR_WINDOW)) : ColorToRGB(static_cast<TColor>(g.Props[0].Color));
    FrameColor = static_cast<TColor>(m->SkinData.BorderColor);
  }
  SkinData->BGChanged = true;
  ParamsChanged = true;
  SkinData->FUpdating = wasUpdating;
}

// ---- Cache and frame -----------------------------------------------------------------------------------------

bool TqxEditWnd::PrepareCache() {
  MeasureWindow();
  GetClientRect(CtrlHandle, &FClientRect);
  const bool done = TqxBaseWnd::PrepareCache();
  if (FBars) FBars->UpdateBars(false);
  return done;
}

bool TqxEditWnd::Printing(HDC dc) const { return dc && SkinData && dc == SkinData->PrintDC; }

bool TqxEditWnd::WaitsForParent() {
  SkinData->FUpdating = SkinData->QueryUpdating();
  return SkinData->FUpdating;
}

void TqxEditWnd::CopyFrameRing(HDC dc) {
  const TBitmap32* cache = SkinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  const int saved = SaveDC(dc);
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  const POINT offset = ClientOffset();
  ExcludeClipRect(dc, offset.x, offset.y, offset.x + client.right, offset.y + client.bottom);
  if (FBars) {
    for (const TqxScrollBar* bar : {&FBars->sBarHorz, &FBars->sBarVert}) {
      if (!bar->fScrollVisible) continue;
      const TRect r = FBars->BarRect(*bar);
      ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    }
    const TRect box = FBars->SizeBox();
    if (!IsRectEmpty(box)) ExcludeClipRect(dc, box.Left, box.Top, box.Right, box.Bottom);
  }
  CopyBitmapToDC(dc, *cache, TRect{0, 0, cache->Width(), cache->Height()}, TPoint{0, 0});
  RestoreDC(dc, saved);
}

void TqxEditWnd::PaintNonClient(HDC dc) {
  if (SkinData->BGChanged) {
    if (!ParamsChanged) SetSkinParams();
    PrepareCache();
  }
  if (FBars) FBars->PaintBars(dc);
  CopyFrameRing(dc);
}

void TqxEditWnd::WMNcPaint(TMessage& message) {
  message.Result = 0;
  if (!WindowVisible() || AnimationRunning || WaitsForParent()) return;
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  RECT clip;
  const int kind = GetClipBox(dc, &clip);
  if (kind != NULLREGION && kind != ERROR) PaintNonClient(dc);
  ReleaseDC(CtrlHandle, dc);
}

void TqxEditWnd::WMPaint(TMessage& message, HDC dc) {
  if (!WindowVisible() || (FBars && FBars->bPreventStyleChange)) return CallPrevWndProc(message);
  const bool printing = Printing(dc);
  RECT clip;
  if (dc && !printing && GetClipBox(dc, &clip) == NULLREGION) {
    message.Result = 0;  // a DC of the caller's with nothing to paint in
    return;
  }
  if ((WaitsForParent() || AnimationRunning) && !printing) {
    // Nothing is drawn, but the update region is validated: otherwise WM_PAINT would come again at once.
    if (!dc) {
      PAINTSTRUCT ps;
      BeginPaint(CtrlHandle, &ps);
      EndPaint(CtrlHandle, &ps);
    }
    message.Result = 0;
    return;
  }
  if (!ParamsChanged) SetSkinParams();
  CallPrevWndProc(message);
}

void TqxEditWnd::WMEraseBkgnd(TMessage& message, HDC dc) {
  const bool printing = Printing(dc);
  if (AnimationRunning && !printing) {
    message.Result = 1;
    return;
  }
  if (WaitsForParent() && !printing) {
    message.Result = 1;
    return;
  }
  if (!ParamsChanged) SetSkinParams();
  CallPrevWndProc(message);
}

void TqxEditWnd::WMPrint(TMessage& message, HDC dc, UINT flags) {
  message.Result = 0;
  if (!dc) return;
  if (flags & PRF_NONCLIENT) {
    SkinData->FUpdating = false;
    SkinData->BGChanged = true;
    if (!ParamsChanged) SetSkinParams();
    PrepareCache();
    if (FBars) FBars->PaintBars(dc);
    CopyFrameRing(dc);
  }
  if (flags & PRF_CLIENT) {
    RECT client{};
    GetClientRect(CtrlHandle, &client);
    const POINT offset = ClientOffset();
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, offset.x, offset.y, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    if (flags & PRF_ERASEBKGND) CallPrevWndProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    CallPrevWndProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
  }
}

void TqxEditWnd::WMFocus(TMessage& message, bool focused) {
  CallPrevWndProc(message);
  if (Destroyed || !SkinData) return;
  TWinControl* c = Control();
  const bool focusable = c ? (c->TabStop && c->CanFocus()) : (GetWindowLongW(CtrlHandle, GWL_STYLE) & WS_TABSTOP) != 0;
  if (!focusable || !WrapperHasHotLook(*SkinData)) return;
  SkinData->FFocused = focused;
  SkinData->BGChanged = true;
  if (WindowVisible()) SendMessageW(CtrlHandle, WM_NCPAINT, 1, 0);
}

// ---- Messages -------------------------------------------------------------------------------------------------

bool TqxEditWnd::EditSkinCommand(TMessage& message) {
  const bool ofManager = reinterpret_cast<TsSkinManager*>(message.LParam) == Manager();
  switch (SkinCommandCode(message.WParam)) {
    case skcRefresh:
      if (!ofManager) return false;
      TqxBaseWnd::qxWndProc(message);
      if (!Destroyed) SetSkinParams();
      return true;
    case skcPrepareCache:
      PrepareCache();
      message.Result = 1;
      return true;
    case skcPaintBackground: {
      CallPrevWndProc(message);
      auto* info = reinterpret_cast<TBackgroundInfo*>(message.LParam);
      if (!info || info->BgType != btUnknown) return true;
      if (SkinData->CustomColor() && Color != clNone) {
        info->BgType = btFill;
        info->Color = Color;
        message.Result = 1;
        return true;
      }
      return false;  // the wrapper's own answer, from the cache
    }
    case skcBeforeScroll:
    case skcAfterScroll:
      if (!FBars || !FBars->fLeftScrollbar) return false;
      // A window with its bar on the left scrolls with its drawing held, then paints once.
      if (SkinCommandCode(message.WParam) == skcBeforeScroll) {
        SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      } else {
        SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      }
      message.Result = 0;
      return true;
    case skcMouseEnter:
    case skcMouseLeave:
      CallPrevWndProc(message);
      if (!Destroyed && WrapperHasHotLook(*SkinData)) {
        SkinData->BGChanged = true;
        if (WindowVisible()) SendMessageW(CtrlHandle, WM_NCPAINT, 1, 0);
      }
      return true;
    default:
      return false;
  }
}

void TqxEditWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxBaseWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_SETFOCUS:
      return WMFocus(message, true);
    case WM_KILLFOCUS:
      return WMFocus(message, false);
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      return WMEraseBkgnd(message, DcFrom(message.WParam));
    case WM_NCPAINT:
      return WMNcPaint(message);
    case WM_PRINT:
      return WMPrint(message, DcFrom(message.WParam), static_cast<UINT>(message.LParam));
    case FW_FONT_CHANGED:
      TqxBaseWnd::qxWndProc(message);
      if (!Destroyed && !SkinData->FUpdating)
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return;
    default:
      // An address another thread sent, or a stranger posted, is never followed: the wrapper swallows it.
      if (message.Msg == SkinCommandMsg && SkinCommandTrusted(message, Control(), CtrlHandle) && EditSkinCommand(message))
        return;
      break;
  }
  TqxBaseWnd::qxWndProc(message);
  if (Destroyed) return;
  if (message.Msg == WM_SIZE) {
    if (WindowVisible()) SendMessageW(CtrlHandle, WM_NCPAINT, 1, 0);
  } else if (ChangesScrollState(message.Msg)) {
    UpdateBars(true);
  } else if (message.Msg == WM_MOUSEMOVE && GetCapture() == CtrlHandle) {
    UpdateBars(true);  // a selection dragged past the window's edge scrolls it
  }
}

}  // namespace qw
