// TsSkinProvider: the messages of the form it skins. Everything it does not take over goes on to the
// form's own handling (CallPrevious).
#include <commctrl.h>

#include "fw/Form.h"
#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/frame/CaptionAccess_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/MinTimer_win.h"
#include "skin/frame/MoveTimer_win.h"
#include "skin/core/Transitions_win.h"
#include "skin/frame/PreviewMode_win.h"
#include "skin/render/EngineStartup_win.h"
#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

// A child window was made, or a tab control changed its page.
bool NewChildrenShown(const TMessage& message) {
  if (message.Msg == WM_PARENTNOTIFY) return LoWord(message.WParam) == WM_CREATE;
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  return header && header->code == static_cast<UINT>(TCN_SELCHANGE);
}

// The control whose window was just made, or null (the whole form) for a page change or a window the
// framework did not build.
TWinControl* NewChildrenOwner(const TMessage& message) {
  if (message.Msg != WM_PARENTNOTIFY) return nullptr;
  return TWinControl::FromHandle(reinterpret_cast<HWND>(message.LParam));
}

}  // namespace

void TsSkinProvider::CallPrevious(TMessage& message) {
  if (FForm) FForm->CallNextWindowProc(this, message);
}

void TsSkinProvider::HookedWindowProc(TControl&, TMessage& message) {
  // A handler below may destroy the form's window or the form (and this provider with it).
  TDestroyWatch watch(this);
  if (message.Msg == SkinCommandMsg) return OnSkinCommand(message);
  if (!Skinned() || !FForm || FForm->IsDestroying()) return OnUnskinnedMessage(message);
  switch (message.Msg) {
    case WM_CREATE:
      CallPrevious(message);
      if (!watch.Destroyed()) PrepareForm();
      return;
    case WM_NCDESTROY:
      ForgetWindow();
      return CallPrevious(message);
    case WM_GETOBJECT:
      if (FCaptionAccess && FCaptionAccess->Answer(Handle(), message.WParam, message.LParam, message.Result)) return;
      return CallPrevious(message);
    case FW_ACCESS_ACTION:
      if (static_cast<LONG>(message.LParam) != OBJID_TITLEBAR) return CallPrevious(message);
      if (FCaptionAccess) FCaptionAccess->DoAccessDefaultAction(static_cast<int>(message.WParam));
      return;
    case WM_ENABLE:
      CallPrevious(message);
      if (!watch.Destroyed()) AnnounceCaption();
      return;
    case WM_NCPAINT:
      return OnNcPaint(message);
    case WM_NCACTIVATE:
      return OnNcActivate(message, message.WParam != FALSE);
    case WM_NCHITTEST:
      return OnNcHitTest(message, PointFromLParam(message.LParam));
    case WM_SETTEXT:
    case WM_SETICON:
      return OnCaptionChange(message);
    case WM_SETREDRAW:
      FLockCount = message.WParam ? std::max(0, FLockCount - 1) : FLockCount + 1;
      return CallPrevious(message);
    case WM_NCMOUSEMOVE:
      if (FForm->Enabled()) OnNcMouseMove(PointFromLParam(message.LParam));
      return CallPrevious(message);
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
    case FW_MOUSE_LEAVE:
      return OnMouseLeave(message);
    case WM_NCLBUTTONDOWN:
      if (OnNcLButtonDown(static_cast<int>(message.WParam), PointFromLParam(message.LParam)) ||
          BeginOutlineDrag(static_cast<int>(message.WParam), PointFromLParam(message.LParam)))
        return void(message.Result = 0);
      if (BeginMoveBlend(static_cast<int>(message.WParam))) {
        // The system's move loop runs inside; the form is opaque again when it ends.
        CallPrevious(message);
        if (!watch.Destroyed()) FMoveTimer.reset();
        return;
      }
      return CallPrevious(message);
    case WM_MOUSEMOVE:
      if (FOutline.Active) return OnOutlineMouse(message, PointFromLParam(message.LParam), false);
      return CallPrevious(message);
    case WM_CAPTURECHANGED:
      // Someone else took the mouse: no drag goes on and no button stays pressed.
      EndOutlineDrag(false);
      if (FPressed && HwndFrom(message.LParam) != Handle()) {
        FPressed = false;
        SetHotHT(0);
      }
      return CallPrevious(message);
    case WM_NCLBUTTONUP:
      if (OnButtonUp(PointFromLParam(message.LParam))) return void(message.Result = 0);
      return CallPrevious(message);
    case WM_LBUTTONUP:
      return OnLButtonUp(message, PointFromLParam(message.LParam));
    case WM_NCLBUTTONDBLCLK:
      if (OnNcLButtonDblClk(static_cast<int>(message.WParam))) return void(message.Result = 0);
      return CallPrevious(message);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      return OnNcRButton(message, static_cast<int>(message.WParam), PointFromLParam(message.LParam));
    case WM_SYSCOMMAND:
      return OnSysCommand(message, static_cast<UINT>(message.WParam & 0xFFF0), message.LParam);
    case WM_GETMINMAXINFO:
      return OnGetMinMaxInfo(message, *reinterpret_cast<MINMAXINFO*>(message.LParam));
    case WM_WINDOWPOSCHANGING:
      return OnWindowPosChanging(message, *reinterpret_cast<WINDOWPOS*>(message.LParam));
    case WM_WINDOWPOSCHANGED:
      return OnWindowPosChanged(message);
    case WM_SHOWWINDOW:
      return OnShowWindow(message, message.WParam != FALSE, static_cast<UINT>(message.LParam));
    case WM_TIMER:
      return OnTimer(message, static_cast<UINT_PTR>(message.WParam));
    case WM_PRINT:
      return OnPrint(message, DcFrom(message.WParam), static_cast<UINT>(message.LParam));
    case WM_SIZE:
      FRgnChanged = true;
      SkinData->BGChanged = true;
      return CallPrevious(message);
    case WM_MOVE:
      KillAnimations();
      return CallPrevious(message);
    case WM_STYLECHANGED:
      CallPrevious(message);
      // The form set its frame's styles again: the system's caption buttons stay off while skinned.
      if (!watch.Destroyed() && message.WParam == static_cast<WPARAM>(GWL_STYLE)) CheckSysMenuStyle(true);
      return;
    case WM_MENUCHAR:
      // No menu bar answers here: an Alt combination that matches nothing closes the menu mode without
      // the beep that 0 (ignore the key) would give.
      message.Result = MAKELRESULT(0, MNC_CLOSE);
      return;
    case WM_COPYDATA:
    case kPreviewMessage:
      return OnPreviewMessage(*this, message);
    case WM_PARENTNOTIFY:
    case WM_NOTIFY:
      CallPrevious(message);
      // A child window came, or a page change showed other controls: they are wrapped too. A window the
      // framework made brings only itself and what is placed on it; searching the whole form for each one
      // made the form's creation quadratic in its windows.
      if (!watch.Destroyed() && FAdapter && NewChildrenShown(message)) FAdapter->AddAllItems(NewChildrenOwner(message));
      return;
    case WM_SETTINGCHANGE:
      SkinData->BGChanged = true;
      FRgnChanged = true;
      // The taskbar may have moved: a picture flying to it takes the new way.
      if (FMinTimer && message.WParam == SPI_SETWORKAREA) FMinTimer->UpdateTarget();
      return CallPrevious(message);
    case FW_ENABLED_CHANGED:
      CallPrevious(message);
      // The caption buttons look disabled with the form.
      if (!watch.Destroyed()) RepaintFrame();
      return;
    case FW_VISIBLE_CHANGED:
      CallPrevious(message);
      if (!watch.Destroyed() && !FForm->Visible()) {
        KillAnimations();
        if (SkinData->CacheBmp()) *SkinData->CacheBmp() = TBitmap32(0, 0);
      }
      return;
    case FW_SHOWING_CHANGED:
      CallPrevious(message);
      if (!watch.Destroyed()) OnShowingChanged();
      return;
    default:
      return CallPrevious(message);
  }
}

void TsSkinProvider::OnUnskinnedMessage(TMessage& message) {
  TDestroyWatch watch(this);
  CallPrevious(message);
  if (watch.Destroyed()) return;
  if (message.Msg == WM_CREATE) PrepareForm();
  else if (message.Msg == WM_NCDESTROY) ForgetWindow();
}

// ---- Painting and activation ---------------------------------------------------------------------------

void TsSkinProvider::OnNcPaint(TMessage& message) {
  if (!DrawNonClientArea) return CallPrevious(message);
  PaintNonClient();
  message.Result = 0;
}

void TsSkinProvider::AnnounceCaption() {
  if (FCaptionAccess && Handle()) FCaptionAccess->AnnounceChanges(Handle());
}

void TsSkinProvider::OnNcActivate(TMessage& message, bool active) {
  if (!DrawNonClientArea) return CallPrevious(message);
  if (!FPrepared) PrepareForm();
  const bool changed = active != FFormActive;
  FFormActive = active;
  // Only a skin whose looks differ repaints: one frame paint per activation, or none.
  const TsSkinManager& m = *Manager();
  const TsGeneralData& g = m.gd[static_cast<size_t>(SkinData->SkinIndex())];
  const bool titleStates =
      m.IsValidSkinIndex(FTitleSkinIndex) && m.gd[static_cast<size_t>(FTitleSkinIndex)].States > 1;
  const int caption = m.GetSkinIndex(u"CAPTION");
  const bool captionStates = m.IsValidSkinIndex(caption) && m.gd[static_cast<size_t>(caption)].States > 1;
  // A border window always changes: its shadow is the active or the inactive one.
  const bool lookChanges = changed && (FBorderForm || g.States > 1 || titleStates || captionStates);
  if (lookChanges) SkinData->BGChanged = true;
  // The system switches its own caption without painting it (lParam -1); the frame paints its own once.
  message.LParam = -1;
  TDestroyWatch watch(this);
  CallPrevious(message);
  if (watch.Destroyed()) return;
  message.Result = TRUE;
  HWND h = Handle();
  if (lookChanges && h && IsWindowVisible(h)) PaintNonClient();
}

void TsSkinProvider::OnNcHitTest(TMessage& message, POINT screen) {
  // The mouse is on the form again: the border window gets back the shadow pixels it let through.
  if (FBorderForm) FBorderForm->UpdateRgn();
  if (!DrawNonClientArea || Geometry().CaptionHeight <= 0) return CallPrevious(message);
  const TFrameHit hit = HTProcess(screen);
  // Caption, borders and client area are the system's answer for the unchanged frame.
  if (!hit.Own) return CallPrevious(message);
  message.Result = hit.Code;
}

void TsSkinProvider::OnCaptionChange(TMessage& message) {
  HWND h = Handle();
  const bool shown = h && IsWindowVisible(h) && DrawNonClientArea;
  TDestroyWatch watch(this);
  if (shown) {
    // The system paints its own caption when the text or icon changes, but only on a visible window:
    // the style says "hidden" for the length of the change (no redraw, no validation of what waits).
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    SetWindowLongPtrW(h, GWL_STYLE, style & ~WS_VISIBLE);
    CallPrevious(message);
    if (!IsWindow(h)) return;
    SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) | WS_VISIBLE);
  } else {
    CallPrevious(message);
  }
  if (watch.Destroyed()) return;
  SkinData->BGChanged = true;
  if (shown) RepaintFrame();
}

void TsSkinProvider::OnShowingChanged() {
  HWND h = Handle();
  if (!h || !FForm->Showing()) return;
  if (!FPrepared) PrepareForm();
  if (FAdapter) FAdapter->AddAllItems();
  UpdateExtBorders();
  AnnounceToPreviewEditor(h);
}

bool TsSkinProvider::WantsShowTransition() const {
  HWND h = Handle();
  const TsSkinManager* m = Manager();
  if (!h || !m || !AllowAnimation || !m->AnimEffects.FormShow.Active || PreviewModeOn()) return false;
  if (!EngineStartup().UpdateLayeredWindow || (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) return false;
  return !(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED);
}

void TsSkinProvider::OnShowWindow(TMessage& message, bool show, UINT status) {
  // Shown by a call (not uncovered by its owner): the system's showing paints nothing that is seen (alpha
  // 1 of 255); the form appears from its finished picture when it is on the screen.
  if (show && status == 0 && WantsShowTransition()) {
    HWND h = Handle();
    SetWindowLongPtrW(h, GWL_EXSTYLE, GetWindowLongPtrW(h, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(h, 0, 1, LWA_ALPHA);
    FShowPending = true;
  }
  CallPrevious(message);
}

void TsSkinProvider::OnTimer(TMessage& message, UINT_PTR id) {
  if (id != kRevealTimer) return CallPrevious(message);
  HWND h = Handle();
  KillTimer(h, kRevealTimer);
  const TsSkinManager* m = Manager();
  const TqxAnimEffect* effect = m ? &m->AnimEffects.FormShow : nullptr;
  if (!effect || TransitionSteps(effect->Time) < 1 || !IsWindowVisible(h)) {
    // Whole at once: what is still to paint is painted, then the form is seen.
    RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetLayeredWindowAttributes(h, 0, 255, LWA_ALPHA);
    SetWindowLongPtrW(h, GWL_EXSTYLE, GetWindowLongPtrW(h, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    return;
  }
  // The screen keeps what lay under the form until its picture has faded in over it.
  SetWindowLongPtrW(h, GWL_EXSTYLE, GetWindowLongPtrW(h, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  ShowFormAnimated(*FForm, effect->Time, 255, static_cast<TTransitionMode>(effect->Mode));
}

void TsSkinProvider::OnWindowPosChanged(TMessage& message) {
  TDestroyWatch watch(this);
  const bool shown = (reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_SHOWWINDOW) != 0;
  CallPrevious(message);
  if (watch.Destroyed()) return;
  // Only the showing itself ends the invisible stage: a region set while the form is being shown moves
  // it too, and would reveal it before it is painted.
  if (FShowPending && shown) {
    FShowPending = false;
    HWND h = Handle();
    if (WantsBorderForm()) {
      // Asked before drawing is suspended (a suspended window does not count as visible): the form
      // appears through its border window, its whole picture fading in there.
      SetWindowLongPtrW(h, GWL_EXSTYLE, GetWindowLongPtrW(h, GWL_EXSTYLE) & ~WS_EX_LAYERED);
      SendMessageW(h, WM_SETREDRAW, FALSE, 0);
      ShowBorderAnimated(Manager()->AnimEffects.FormShow.Time);
      if (watch.Destroyed()) return;
    } else {
      // The form and its controls paint as they always do, unseen, and the form is revealed once they
      // have (a timer's turn comes after every paint). Painting them here, inside the showing, would ask
      // controls for their pictures before their parents have theirs.
      SetTimer(h, kRevealTimer, 0, nullptr);
    }
  }
  // Shown, hidden, minimised or maximised: the border window comes or goes; else it follows.
  UpdateExtBorders();
  if (!FBorderForm) return;
  if (FRgnChanged) UpdateFormRgn();
  FBorderForm->UpdateExBordersPos(SkinData->BGChanged);
}

void TsSkinProvider::OnPrint(TMessage& message, HDC dc, UINT flags) {
  HWND h = Handle();
  if ((flags & PRF_NONCLIENT) && dc && h && DrawNonClientArea) {
    // A picture of the window shows the skin's frame, never the system's; with a border window the
    // frame is not the form's at all.
    if (!FBorderForm) {
      if (SkinData->BGChanged) PaintAll();
      const TFrameWindow w = WindowFacts();
      CopyFrameToDC(dc, MeasureFrame(w, SystemFrameMetrics()), w);
    }
    message.LParam = static_cast<LPARAM>(flags & ~PRF_NONCLIENT);
  }
  CallPrevious(message);
}

bool TsSkinProvider::BeginMoveBlend(int hitCode) {
  HWND h = Handle();
  const TsSkinManager* m = Manager();
  if (hitCode != HTCAPTION || !h || !m || !AllowBlendOnMoving || !m->AnimEffects.BlendOnMoving.Active) return false;
  if (IsZoomed(h) || IsIconic(h) || !EngineStartup().UpdateLayeredWindow) return false;
  FMoveTimer = std::make_unique<TqxMoveTimer>(h, [this] { return BorderForm(); }, m->AnimEffects.BlendValue,
                                              m->AnimEffects.BlendOnMoving.Time);
  return true;
}

bool TsSkinProvider::MinimizeAnimating() const { return FMinTimer && FMinTimer->Running(); }

bool TsSkinProvider::BeginMinAnimation(UINT command) {
  if (FMinTimer && FMinTimer->PassingCommand()) return false;
  // A second command while the picture flies: the running animation ends in the state asked for first.
  if (FMinTimer && FMinTimer->Running()) return true;
  HWND h = Handle();
  const TsSkinManager* m = Manager();
  if (!h || !m || !AllowAnimation || !m->AnimEffects.Minimizing.Active || PreviewModeOn() || AnimationRunning) return false;
  if (!EngineStartup().UpdateLayeredWindow || (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) || !IsWindowVisible(h))
    return false;
  // Only a change of state is animated: a minimise of a shown form, a restore of a minimised one.
  const bool minimizing = command == SC_MINIMIZE;
  if (minimizing == (IsIconic(h) != FALSE)) return false;
  FMinTimer.reset();
  FMinTimer = std::make_unique<TqxMinTimer>(*this, minimizing, m->AnimEffects.Minimizing.Time);
  FMinTimer->Start();
  return true;
}

// ---- Mouse --------------------------------------------------------------------------------------------------

void TsSkinProvider::OnMouseLeave(TMessage& message) {
  if (GetCapture() != Handle()) {
    FPressed = false;
    SetHotHT(0);
  }
  CallPrevious(message);
}

void TsSkinProvider::OnOutlineMouse(TMessage& message, POINT client, bool released) {
  POINT screen = client;
  ClientToScreen(Handle(), &screen);
  if (released) EndOutlineDrag(true);
  else MoveOutline(screen);
  message.Result = 0;
}

void TsSkinProvider::OnLButtonUp(TMessage& message, POINT client) {
  if (FOutline.Active) return OnOutlineMouse(message, client, true);
  if (!FPressed) return CallPrevious(message);
  POINT screen = client;
  ClientToScreen(Handle(), &screen);
  OnButtonUp(screen);
  message.Result = 0;
}

void TsSkinProvider::OnNcRButton(TMessage& message, int hitCode, POINT screen) {
  if (hitCode != HTCAPTION && hitCode != HTSYSMENU) return CallPrevious(message);
  message.Result = 0;
  if (message.Msg != WM_NCRBUTTONUP) return;
  SetHotHT(0);
  DropSysMenu(screen);
}

void TsSkinProvider::OnSysCommand(TMessage& message, UINT command, LPARAM lParam) {
  HWND h = Handle();
  if (command == SC_KEYMENU && lParam == VK_SPACE && FHaveSysMenu) {
    // Alt+Space: the system menu under the icon, as the system would open it.
    RECT wr{};
    GetWindowRect(h, &wr);
    const TFrameGeometry g = Geometry();
    const TRect icon = FCaption.Layout.Icon;
    DropSysMenu(POINT{wr.left + g.SysBorderWidth, wr.top + g.BorderHeight + (icon.Bottom - icon.Top)});
    message.Result = 0;
    return;
  }
  if ((command == SC_MINIMIZE || command == SC_RESTORE) && BeginMinAnimation(command)) {
    // The animation carries the command out itself: a minimise at its end, a restore at its start.
    message.Result = 0;
    return;
  }
  TDestroyWatch watch(this);
  CallPrevious(message);
  if (watch.Destroyed() || !IsWindow(h)) return;
  if (command == SC_MAXIMIZE || command == SC_RESTORE || command == SC_MINIMIZE) {
    FRgnChanged = true;
    SkinData->BGChanged = true;
    SetHotHT(0);
    if (IsWindowVisible(h)) RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

}  // namespace qw
