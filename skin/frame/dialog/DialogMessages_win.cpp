// TqxDialogWnd: the messages of the dialog it skins. Everything it does not take over goes on to the
// dialog's own procedure.
#include <algorithm>
#include <utility>

#include "fw/MessageCrack.h"
#include "fw/Messages.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/SectionWnd_win.h"
#include "skin/controls/StdChildStyles.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/PictureWindow_win.h"
#include "skin/core/Transitions_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/FrameBackground_win.h"
#include "skin/frame/MoveTimer_win.h"
#include "skin/frame/dialog/DialogChildClass.h"
#include "skin/frame/dialog/DialogProvider_win.h"
#include "skin/frame/dialog/DialogTransitions_win.h"
#include "skin/frame/dialog/DialogWnd_win.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

namespace {

// Sent by common dialogs when they have made or changed child windows of their own.
constexpr UINT kDialogChildrenChanged = 0x52E;

bool IsButtonCode(int code) {
  return code == kHtMinButton || code == kHtMaxButton || code == kHtClose || code == kHtHelp;
}
bool IsSizingCode(int code) { return code >= kHtLeft && code <= kHtBottomRight; }

// A child window the dialog's background must not be painted under: every visible one but group boxes
// and tab-stop statics, which show the background through themselves.
bool CoversBackground(HWND child) {
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return false;
  wchar_t name[32] = {};
  GetClassNameW(child, name, static_cast<int>(std::size(name)));
  const std::u16string lower = LowerClassName(reinterpret_cast<const char16_t*>(name));
  if (lower == u"button") return StdButtonKind(static_cast<uint32_t>(style)) != sbkGroupBox;
  if (lower == u"static") return !(style & WS_TABSTOP);
  return true;
}

}  // namespace

void TqxDialogWnd::qxWndProc(TMessage& message) {
  if (message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY) {
    if (Destroyed) return CallPrevWndProc(message);
    KillAnimations();
    // The border window goes before the dialog's window does.
    FBorderForm.reset();
    TqxMainWnd::qxWndProc(message);
    // The list of skinned dialogs closes up as soon as a dialog goes.
    if (Destroyed && Provider) ReleaseClosedDialogLater(Provider);
    return;
  }
  if (Destroyed || !Skinned()) {
    if (message.Msg == SkinCommandMsg) return OnSkinCommand(message);
    return TqxMainWnd::qxWndProc(message);
  }
  switch (message.Msg) {
    case SkinCommandMsg:
      return OnSkinCommand(message);
    case WM_NCPAINT:
      return OnNcPaint(message);
    case WM_ERASEBKGND:
      return OnEraseBkgnd(message, DcFrom(message.WParam));
    case WM_PAINT:
      return OnPaint(message);
    case WM_NCACTIVATE:
      return OnNcActivate(message, message.WParam != FALSE);
    case WM_NCHITTEST:
      return OnNcHitTest(message, PointFromLParam(message.LParam));
    case WM_NCMOUSEMOVE:
      return OnNcMouseMove(message, PointFromLParam(message.LParam));
    case WM_NCLBUTTONDOWN:
      return OnNcLButtonDown(message, static_cast<int>(message.WParam), PointFromLParam(message.LParam));
    case WM_NCLBUTTONUP:
      return OnButtonUp(message, PointFromLParam(message.LParam));
    case WM_LBUTTONUP: {
      POINT screen = PointFromLParam(message.LParam);
      ClientToScreen(CtrlHandle, &screen);
      return OnButtonUp(message, screen);
    }
    case WM_NCLBUTTONDBLCLK:
      return OnNcLButtonDblClk(message, static_cast<int>(message.WParam), PointFromLParam(message.LParam));
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      return OnNcRButton(message, static_cast<int>(message.WParam), PointFromLParam(message.LParam));
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      return OnMouseLeave(message);
    case WM_CAPTURECHANGED:
      return OnCaptureChanged(message, HwndFrom(message.LParam));
    case WM_SETTEXT:
    case WM_ENABLE:
      return OnFrameChange(message);
    case WM_SIZE:
      return OnSize(message);
    case WM_CTLCOLORDLG:
      return OnCtlColorDlg(message);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnCtlColorChild(message, DcFrom(message.WParam), HwndFrom(message.LParam));
    case WM_SHOWWINDOW:
      return OnShowWindow(message, message.WParam != FALSE);
    case WM_WINDOWPOSCHANGING:
      return OnWindowPosChanging(message, RecordFrom<WINDOWPOS>(message.LParam));
    case WM_WINDOWPOSCHANGED:
      return OnWindowPosChanged(message, RecordFrom<WINDOWPOS>(message.LParam));
    case WM_GETDLGCODE:
      message.Result = 0;
      return;
    case DM_SETDEFID:
      TqxMainWnd::qxWndProc(message);
      if (!Destroyed) WrapChildren();
      return;
    case kDialogChildrenChanged:
      TqxMainWnd::qxWndProc(message);
      if (Destroyed) return;
      WrapChildren();
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
      return;
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

// ---- Skin commands -----------------------------------------------------------------------------------------

void TqxDialogWnd::OnSkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  const bool ofManager = reinterpret_cast<TsSkinManager*>(message.LParam) == Manager();
  if (Destroyed) return CallPrevWndProc(message);
  switch (code) {
    case skcNewSkin:
      if (!ofManager) return CallPrevWndProc(message);
      // A fade shows a picture of the old skin.
      KillAnimations();
      SkinData->UpdateIndexes();
      InitParams();
      TqxMainWnd::qxWndProc(message);
      if (Destroyed) return;
      // The new skin may want a border window or none, and a border window's picture is the skin's.
      UpdateExtBorders();
      if (FBorderForm) FBorderForm->UpdateExBordersPos(true);
      if (IsWindowVisible(CtrlHandle))
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      return;
    case skcRemoveSkin:
      if (!ofManager) return CallPrevWndProc(message);
      KillAnimations();
      FBorderForm.reset();
      TqxMainWnd::qxWndProc(message);
      // The system's frame and caption buttons come back.
      SetWindowLongW(CtrlHandle, GWL_STYLE, GetWindowLongW(CtrlHandle, GWL_STYLE) | static_cast<LONG>(FState.Style & WS_SYSMENU));
      FStylesRead = false;
      SetWindowRgn(CtrlHandle, nullptr, TRUE);
      return;
    case skcRefresh:
      if (!ofManager) return CallPrevWndProc(message);
      SkinData->UpdateIndexes();
      InitParams();
      TqxMainWnd::qxWndProc(message);
      if (Destroyed) return;
      UpdateExtBorders();
      if (FBorderForm) FBorderForm->UpdateExBordersPos(true);
      return;
    case skcQueryParentBG: {
      const TsGenState& p = Manager()->gd[static_cast<size_t>(SkinData->SkinIndex())].Props[0];
      message.Result = p.GradientPercent + p.ImagePercent > 0 ? 1 : 0;
      return;
    }
    case skcGetColor:
      message.Result = SkinData->StateColor(FFormActive ? 1 : 0);
      return;
    case skcGetClientOffset: {
      const TFrameGeometry g = Geometry();
      message.Result = MAKELONG(g.OffsetX, g.OffsetY);
      return;
    }
    case skcPaintBackground: {
      auto* info = SkinCommandAddress<TBackgroundInfo>(message, nullptr, CtrlHandle);
      if (!info) return TqxMainWnd::qxWndProc(message);
      const TFrameGeometry g = Geometry();
      AnswerFrameBackground(*info, *SkinData, FFormActive, TPoint{g.OffsetX, g.OffsetY}, [this] { PaintAll(); });
      message.Result = 1;
      return;
    }
    case skcMouseLeave:
      SetHotHT(0);
      return CallPrevWndProc(message);
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

// ---- Painting ------------------------------------------------------------------------------------------------

void TqxDialogWnd::OnNcPaint(TMessage& message) {
  if (!IsWindowVisible(CtrlHandle)) return CallPrevWndProc(message);
  // The caption text is read again at every frame paint: whoever set it may have bypassed WM_SETTEXT.
  SkinData->BGChanged = true;
  WrapChildren();
  if (Destroyed) return;
  PaintCaption();
  message.Result = 0;
}

void TqxDialogWnd::OnEraseBkgnd(TMessage& message, HDC given) {
  if (!FInitialized) {
    FInitialized = true;
    WrapChildren();
    if (Destroyed) return;
  }
  HDC dc = given ? given : GetDC(CtrlHandle);
  if (!dc) return CallPrevWndProc(message);
  const int saved = SaveDC(dc);
  for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!CoversBackground(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, CtrlHandle, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  if (SkinData->BGChanged) PaintAll();
  const TFrameGeometry g = Geometry();
  RECT cr{};
  GetClientRect(CtrlHandle, &cr);
  CopyBitmapToDC(dc, *SkinData->CacheBmp(), TRect{g.OffsetX, g.OffsetY, g.OffsetX + cr.right, g.OffsetY + cr.bottom},
                 TPoint{0, 0});
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(CtrlHandle, dc);
  for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendSkinCommandToWindow(child, skcEndParentUpdate);
  message.Result = 1;
}

void TqxDialogWnd::OnPaint(TMessage& message) {
  if (!WMPaintForbidden) return CallPrevWndProc(message);
  // The dialog's own painting would cover the skin's background; only the paint request is answered.
  PAINTSTRUCT ps;
  if (BeginPaint(CtrlHandle, &ps)) EndPaint(CtrlHandle, &ps);
  message.Result = 0;
}

void TqxDialogWnd::OnNcActivate(TMessage& message, bool active) {
  // The system switches its own caption without painting it (lParam -1); the wrapper paints its own.
  message.LParam = -1;
  CallPrevWndProc(message);
  if (Destroyed) return;
  message.Result = TRUE;
  if (active == FFormActive) return;
  FFormActive = active;
  SkinData->BGChanged = true;
  if (IsWindowVisible(CtrlHandle))
    RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TqxDialogWnd::OnFrameChange(TMessage& message) {
  const bool shown = IsWindowVisible(CtrlHandle) != FALSE;
  if (shown && message.Msg == WM_SETTEXT) {
    // The system paints its own caption when the text changes, but only on a visible window.
    const LONG style = GetWindowLongW(CtrlHandle, GWL_STYLE);
    SetWindowLongW(CtrlHandle, GWL_STYLE, style & ~WS_VISIBLE);
    TqxMainWnd::qxWndProc(message);
    if (!IsWindow(CtrlHandle)) return;
    SetWindowLongW(CtrlHandle, GWL_STYLE, GetWindowLongW(CtrlHandle, GWL_STYLE) | WS_VISIBLE);
  } else {
    TqxMainWnd::qxWndProc(message);
  }
  if (Destroyed) return;
  SkinData->BGChanged = true;
  if (shown) PaintCaption();
}

void TqxDialogWnd::OnSize(TMessage& message) {
  SkinData->BGChanged = true;
  FRgnChanged = true;
  TqxMainWnd::qxWndProc(message);
  if (!Destroyed && IsWindowVisible(CtrlHandle))
    RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TqxDialogWnd::OnCtlColorDlg(TMessage& message) {
  // One brush kept for the wrapper's life, made again only when the skin's colour changed.
  const COLORREF color = ColorToRGB(static_cast<TColor>(SkinData->StateColor(0)));
  LOGBRUSH lb{};
  if (!FBackBrush || !GetObjectW(FBackBrush, sizeof(lb), &lb) || lb.lbColor != color) {
    if (FBackBrush) DeleteObject(FBackBrush);
    FBackBrush = CreateSolidBrush(color);
  }
  message.Result = reinterpret_cast<LRESULT>(FBackBrush);
}

void TqxDialogWnd::OnCtlColorChild(TMessage& message, HDC dc, HWND child) {
  TqxMainWnd::qxWndProc(message);
  if (Destroyed || !dc) return;
  // Only the dialog's default answer is replaced: a dialog that colours its children keeps its colours.
  const auto given = reinterpret_cast<HBRUSH>(message.Result);
  if (given && given != GetSysColorBrush(COLOR_BTNFACE) && given != GetSysColorBrush(COLOR_WINDOW)) return;
  // A section wrapper's window (a link, a check box) fills its background with the brush it is given:
  // the section's picture, so the window stands on the skin as its wrapper painted it.
  auto* section = dynamic_cast<TqxSectionWnd*>(TqxMainWnd::FromHandle(child));
  HBRUSH brush = section ? section->BackgroundBrush() : nullptr;
  if (!brush) return;
  SetBkMode(dc, TRANSPARENT);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  if (const TColor text = section->SectionFontColor(); text != clNone) SetTextColor(dc, static_cast<COLORREF>(text));
  message.Result = reinterpret_cast<LRESULT>(brush);
}

void TqxDialogWnd::OnShowWindow(TMessage& message, bool show) {
  if (show) {
    WrapChildren();
    if (Destroyed) return;
    const TqxAnimEffect& effect = Manager()->AnimEffects.DialogShow;
    // The dialog appears from its finished picture; it is drawn under it before the picture goes.
    if (effect.Active && effect.Time > 0 && !FShowCover)
      FShowCover = FadeInDialogPicture(CtrlHandle, DialogPicture(*this), effect.Time);
  }
  TqxMainWnd::qxWndProc(message);
}

void TqxDialogWnd::OnWindowPosChanging(TMessage& message, const WINDOWPOS& pos) {
  const TqxAnimEffect& effect = Manager()->AnimEffects.DialogHide;
  // The look is taken while it is still on the screen; it fades out once the dialog has gone.
  if ((pos.flags & SWP_HIDEWINDOW) && IsWindowVisible(CtrlHandle) && effect.Active && effect.Time > 0 && !FHideCover) {
    FHidePicture = ScreenPicture(CtrlHandle);
    FHideCover = MakeCoverForm(CtrlHandle);
  }
  TqxMainWnd::qxWndProc(message);
}

void TqxDialogWnd::OnWindowPosChanged(TMessage& message, const WINDOWPOS& pos) {
  if (pos.flags & SWP_HIDEWINDOW) {
    FRgnChanged = true;
    SetHotHT(0, false);
    KillAnimations();
  }
  TqxMainWnd::qxWndProc(message);
  if (Destroyed) return;
  // Made once the dialog is on the screen, freed as it is hidden, minimised or maximised; else it
  // follows the dialog.
  const bool had = FBorderForm != nullptr;
  UpdateExtBorders();
  if (had && FBorderForm && !(pos.flags & SWP_SHOWWINDOW)) FBorderForm->UpdateExBordersPos(false);
  if ((pos.flags & SWP_SHOWWINDOW) && FShowCover) {
    RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DestroyWindow(std::exchange(FShowCover, nullptr));
  }
  if ((pos.flags & SWP_HIDEWINDOW) && FHideCover) {
    const TqxAnimEffect& effect = Manager()->AnimEffects.DialogHide;
    StartHideAnimation(std::exchange(FHideCover, nullptr), std::move(FHidePicture), effect.Time,
                       static_cast<TTransitionMode>(effect.Mode), 255);
  }
}

// ---- Mouse ---------------------------------------------------------------------------------------------------

TFrameHit TqxDialogWnd::HTProcess(POINT screen) {
  RECT wr{};
  GetWindowRect(CtrlHandle, &wr);
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  CalcItems(g);
  const TsSkinManager* m = Manager();
  if (FBorderForm) {
    // The frame is the border window's: its points are the picture's.
    const TPoint o = FBorderForm->Origin();
    return HitTestBorderForm(LayoutBorderForm(g, w), g, w, FCaption.Layout, m->SkinData.ExShadowOffs,
                             TPoint{screen.x - o.X, screen.y - o.Y});
  }
  const int closeHeight = CaptionImageSize(m->Tables, FButtons[cbClose].ImageIndex).Height;
  const TFrameHitRules rules = DialogHitRules(g, w, SystemFrameMetrics(), closeHeight);
  return HitTestFrame(FCaption.Layout, rules, TPoint{screen.x - wr.left, screen.y - wr.top});
}

void TqxDialogWnd::OnNcHitTest(TMessage& message, POINT screen) {
  const TFrameHit hit = HTProcess(screen);
  if (hit.Own && hit.Code != kHtCaption) {
    message.Result = hit.Code;
    return;
  }
  CallPrevWndProc(message);
}

void TqxDialogWnd::OnNcMouseMove(TMessage& message, POINT screen) {
  const TFrameHit hit = HTProcess(screen);
  if (hit.Own && IsButtonCode(hit.Code) && IsWindowEnabled(CtrlHandle)) {
    // Told when the mouse leaves the frame, so the button does not stay hot.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, CtrlHandle, 0};
    TrackMouseEvent(&track);
    SetHotHT(hit.Code);
  } else if (!FPressed) {
    SetHotHT(0);
  }
  CallPrevWndProc(message);
}

void TqxDialogWnd::SetHotHT(int hitCode, bool repaint) {
  if (hitCode == FCurrentHT) return;
  if (TsCaptionButton* old = ButtonOf(FCurrentHT)) {
    old->State = 0;
    if (repaint) RepaintButton(FCurrentHT);
  }
  FCurrentHT = hitCode;
  DialogButtonPressed = false;
  FPressed = false;
  if (TsCaptionButton* b = ButtonOf(hitCode)) {
    b->State = 1;
    if (repaint) RepaintButton(hitCode);
  }
}

void TqxDialogWnd::SetPressedHT(int hitCode) {
  if (hitCode != FCurrentHT) {
    if (TsCaptionButton* old = ButtonOf(FCurrentHT)) {
      old->State = 0;
      RepaintButton(FCurrentHT);
    }
  }
  FCurrentHT = hitCode;
  TsCaptionButton* b = ButtonOf(hitCode);
  if (!b || !ButtonEnabled(*b)) return;
  b->State = 2;
  FPressed = DialogButtonPressed = true;
  RepaintButton(hitCode);
}

void TqxDialogWnd::OnNcLButtonDown(TMessage& message, int hitCode, POINT screen) {
  if (!IsSizingCode(hitCode)) {
    const TFrameHit hit = HTProcess(screen);
    if (hit.Own) hitCode = hit.Code;
  }
  if (hitCode == kHtSysMenu) {
    SetHotHT(0);
    RECT wr{};
    GetWindowRect(CtrlHandle, &wr);
    const TFrameGeometry g = Geometry();
    DropSysMenu(POINT{wr.left + g.SysBorderWidth, wr.top + g.BorderHeight + GetSystemMetrics(SM_CYSMICON)});
    message.Result = 0;
    return;
  }
  if (IsButtonCode(hitCode)) {
    SetPressedHT(hitCode);
    // The release may come anywhere: it is hit-tested where it happens.
    if (FPressed) SetCapture(CtrlHandle);
    message.Result = 0;
    return;
  }
  SetHotHT(0);
  if (hitCode == kHtCaption && BeginMoveBlend()) {
    // The system's move loop runs inside; the dialog is opaque again when it ends.
    CallPrevWndProc(message);
    if (!Destroyed) FMoveTimer.reset();
    return;
  }
  CallPrevWndProc(message);
}

bool TqxDialogWnd::BeginMoveBlend() {
  const TsSkinManager* m = Manager();
  if (!m || !m->AnimEffects.BlendOnMoving.Active || m->AnimEffects.BlendValue >= 255) return false;
  if (IsZoomed(CtrlHandle) || IsIconic(CtrlHandle) || !EngineStartup().UpdateLayeredWindow) return false;
  if (!FFormActive) {
    // The dialog is being taken hold of: it shows the active look while it moves.
    FFormActive = true;
    SkinData->BGChanged = true;
    PaintCaption();
  }
  FMoveTimer = std::make_unique<TqxMoveTimer>(CtrlHandle, nullptr, m->AnimEffects.BlendValue,
                                              m->AnimEffects.BlendOnMoving.Time);
  return true;
}

void TqxDialogWnd::OnButtonUp(TMessage& message, POINT screen) {
  if (!FPressed) {
    if (message.Msg == WM_NCLBUTTONUP) SetHotHT(0);
    return CallPrevWndProc(message);
  }
  const int pressed = FCurrentHT;
  FPressed = DialogButtonPressed = false;
  if (GetCapture() == CtrlHandle) ReleaseCapture();
  // Where the button went up decides; the message's parameters are key flags, never a hit code.
  const TFrameHit hit = HTProcess(screen);
  SetHotHT(0);
  message.Result = 0;
  if (!hit.Own || hit.Code != pressed) return;
  switch (pressed) {
    case kHtClose:
      // The dialog goes: no fade is left behind on the screen.
      KillAnimations();
      return SysCommand(SC_CLOSE);
    case kHtMinButton: return SysCommand(IsIconic(CtrlHandle) ? SC_RESTORE : SC_MINIMIZE);
    case kHtMaxButton: return SysCommand(IsZoomed(CtrlHandle) ? SC_RESTORE : SC_MAXIMIZE);
    case kHtHelp: return SysCommand(SC_CONTEXTHELP);
    default: return;
  }
}

void TqxDialogWnd::SysCommand(UINT command) {
  // Posted: closing destroys the dialog, which must not happen inside its own message.
  PostMessageW(CtrlHandle, WM_SYSCOMMAND, command, 0);
}

void TqxDialogWnd::OnNcLButtonDblClk(TMessage& message, int hitCode, POINT screen) {
  const TFrameHit hit = HTProcess(screen);
  if (hit.Own) hitCode = hit.Code;
  message.Result = 0;
  if (hitCode == kHtSysMenu) return SysCommand(SC_CLOSE);
  if (hitCode != kHtCaption) return;
  // Only a dialog that can be maximised or restored reacts; the message goes no further in any case.
  const TSysMenuRules r = DialogSysMenuRules(State());
  if (r.EnabledMax || r.EnabledRestore)
    SysCommand(IsZoomed(CtrlHandle) || IsIconic(CtrlHandle) ? SC_RESTORE : SC_MAXIMIZE);
}

void TqxDialogWnd::OnNcRButton(TMessage& message, int hitCode, POINT screen) {
  if (hitCode != kHtCaption && hitCode != kHtSysMenu) return CallPrevWndProc(message);
  message.Result = 0;
  if (message.Msg != WM_NCRBUTTONUP) return;
  SetHotHT(0);
  DropSysMenu(screen);
}

void TqxDialogWnd::OnMouseLeave(TMessage& message) {
  if (GetCapture() != CtrlHandle) SetHotHT(0);
  CallPrevWndProc(message);
}

void TqxDialogWnd::OnCaptureChanged(TMessage& message, HWND gaining) {
  // Someone else took the mouse: no button stays pressed.
  if (FPressed && gaining != CtrlHandle) SetHotHT(0);
  CallPrevWndProc(message);
}

}  // namespace qw
