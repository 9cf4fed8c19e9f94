#include "skin/controls/WndWrapper_win.h"

#include <commctrl.h>

#include "fw/Application.h"
#include "fw/DeferredRelease.h"
#include "fw/WinControl.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/PopupMenuHook_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

bool WrappersKeepFonts = false;

namespace {

// Switches the window's visual styles off (or back on); false when the system has no such call.
bool SetVisualStyles(HWND wnd, bool on) {
  try {
    const auto setTheme = EngineStartup().SetWindowTheme;
    if (!setTheme) return false;
    setTheme(wnd, on ? nullptr : L" ", on ? nullptr : L" ");
    return true;
  } catch (...) {
    return false;
  }
}

UINT_PTR NextSubclassId() {
  static UINT_PTR next = 0;
  return ++next;
}

}  // namespace

TqxMainWnd::TqxMainWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
    : CtrlHandle(wnd), SkinManager(manager), SkinData(skinData), FSection(section) {}

TqxMainWnd::~TqxMainWnd() {
  if (!Destroyed) Detach();
  if (FThemeOff && CtrlHandle && IsWindow(CtrlHandle)) SetVisualStyles(CtrlHandle, true);
  SkinData = nullptr;
  FOwnedSkinData.reset();
}

TqxMainWnd* TqxMainWnd::FromHandle(HWND wnd) {
  return wnd ? static_cast<TqxMainWnd*>(GetPropW(wnd, kWrapperProp)) : nullptr;
}

TsSkinManager* TqxMainWnd::Manager() const {
  if (SkinManager) return SkinManager;
  return SkinData ? SkinData->EffectiveManager() : nullptr;
}

bool TqxMainWnd::Skinned() const {
  const TsSkinManager* m = Manager();
  return !Destroyed && SkinData && m && m->Active() && SkinData->Skinned();
}

bool TqxMainWnd::WindowVisible() const { return CtrlHandle && IsWindowVisible(CtrlHandle); }

bool TqxMainWnd::SwitchesThemeOff() const {
  return !DlgMode && DefaultSection() != u"DIALOG" && (!SkinData || SkinData->SkinSection() != u"DIALOG");
}

// ---- Attaching and detaching -----------------------------------------------------------------------------

void TqxMainWnd::Attach() {
  if (!CtrlHandle || !IsWindow(CtrlHandle)) {
    Destroyed = true;
    return;
  }
  FControl = TWinControl::FromHandle(CtrlHandle);
  if (SwitchesThemeOff()) FThemeOff = SetVisualStyles(CtrlHandle, false);
  if (!SkinData) {
    FOwnedSkinData = std::make_unique<TsCommonData>(FControl ? static_cast<TComponent*>(FControl) : this, true);
    SkinData = FOwnedSkinData.get();
    OwnSkinData = true;
    if (SkinManager) SkinData->SetSkinManager(SkinManager);
  }
  if (!FControl && !SkinData->OwnerControl()) SkinData->OwnerWindow = CtrlHandle;
  if (!SkinManager) SkinManager = SkinData->EffectiveManager();
  if (WrappersKeepFonts) SkinData->SetCustomFont(true);
  if (SkinData->SkinSection().empty()) SkinData->SetSkinSection(DefaultSection());
  else if (OwnSkinData) SkinData->UpdateIndexes();
  SaveStdParams();
  ParamsChanged = false;
  const int n = GetWindowTextLengthW(CtrlHandle);
  Caption.assign(static_cast<size_t>(n) + 1, L'\0');
  Caption.resize(static_cast<size_t>(std::max(0, GetWindowTextW(CtrlHandle, Caption.data(), n + 1))));

  SetPropW(CtrlHandle, kWrapperProp, this);
  if (FControl) {
    FControl->AddWindowProcHook(this);
    OldCtrlStyle = FControl->ControlStyle;
    FControl->ControlStyle |= csOpaque;
    FStyleSaved = true;
  } else {
    FSubclassId = NextSubclassId();
    FSubclassed = SetWindowSubclass(CtrlHandle, &SubclassProc, FSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    FProcAfterSubclass = GetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC);
  }
}

void TqxMainWnd::Detach() {
  if (Destroyed) return;
  DetachWrapper();
}

void TqxMainWnd::Unhook() {
  if (FControl) {
    if (FStyleSaved) FControl->ControlStyle = OldCtrlStyle;
    FControl->RemoveWindowProcHook(this);
    FControl = nullptr;
  }
  if (FSubclassed) {
    if (IsWindow(CtrlHandle)) {
      // Someone subclassed the window after us: taking our link out could take theirs with it, so it
      // stays in the chain and passes everything on until the window goes.
      if (GetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC) == FProcAfterSubclass)
        RemoveWindowSubclass(CtrlHandle, &SubclassProc, FSubclassId);
      else
        SetWindowSubclass(CtrlHandle, &SubclassProc, FSubclassId, 0);
    }
    FSubclassed = false;
  }
  FStyleSaved = false;
}

void TqxMainWnd::DetachWrapper() {
  HWND wnd = CtrlHandle;
  if (SkinData) SkinData->HideGlow();
  RestoreStdParams();
  Unhook();
  if (wnd && GetPropW(wnd, kWrapperProp) == this) RemovePropW(wnd, kWrapperProp);
  if (wnd && IsWindowVisible(wnd))
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  Destroyed = true;
}

void TqxMainWnd::HookedControlDestroyed(TControl& control) {
  if (&control != FControl) return;
  ControlGoing();
  // The control empties its chain itself; its window is given back by the control.
  FControl = nullptr;
  FStyleSaved = false;
  if (CtrlHandle && GetPropW(CtrlHandle, kWrapperProp) == this) RemovePropW(CtrlHandle, kWrapperProp);
  if (FOwnedSkinData && FOwnedSkinData->OwnerObject() == &control) FOwnedSkinData.reset();
  SkinData = FOwnedSkinData.get();
  Destroyed = true;
  if (OnControlDestroyed) {
    const auto handler = OnControlDestroyed;
    handler(*this);
  }
}

void ReleaseWrapper(std::unique_ptr<TqxMainWnd> wrapper) {
  if (!wrapper) return;
  wrapper->Detach();
  if (wrapper->InMessage()) ReleaseLater(std::move(wrapper));
}

// ---- Messages ----------------------------------------------------------------------------------------------

void TqxMainWnd::HookedWindowProc(TControl&, TMessage& message) { Run(message); }

LRESULT CALLBACK TqxMainWnd::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR refData) {
  auto* wrapper = reinterpret_cast<TqxMainWnd*>(refData);
  if (!wrapper) {
    // A link whose wrapper has gone: it only passes messages on, and leaves with the window.
    const LRESULT result = DefSubclassProc(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(wnd, &SubclassProc, id);
    return result;
  }
  TMessage message{msg, wParam, lParam, 0};
  wrapper->Run(message);
  return message.Result;
}

void TqxMainWnd::Run(TMessage& message) {
  ++FRunning;
  CallGuarded([&] {
    if (Destroyed) CallPrevWndProc(message);
    else qxWndProc(message);
  });
  --FRunning;
}

void TqxMainWnd::CallPrevWndProc(TMessage& message) {
  if (FControl) FControl->CallNextWindowProc(this, message);
  else if (FSubclassed) message.Result = DefSubclassProc(CtrlHandle, message.Msg, message.WParam, message.LParam);
  else message.Result = 0;
}

LRESULT TqxMainWnd::CallPrevWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  CallPrevWndProc(message);
  return message.Result;
}

void TqxMainWnd::qxWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      if (SkinData) SkinData->HideGlow();
      // A window that goes is no longer the hot one: a new window given the same handle would never be.
      if (message.Msg == WM_DESTROY && ActiveControl() == CtrlHandle) SetActiveControl(Manager(), nullptr);
      CallPrevWndProc(message);
      // At WM_NCDESTROY the window goes whatever its handler said: the wrapper must not outlive it attached.
      if (!Destroyed && (message.Msg == WM_NCDESTROY || message.Result == 0)) Detach();
      return;
    case WM_UPDATEUISTATE:
      // The system's keyboard cues would paint over the skin.
      message.Result = 0;
      return;
    case WM_SIZE:
      if (SkinData) SkinData->BGChanged = true;
      return CallPrevWndProc(message);
    case WM_SETTEXT:
      CallPrevWndProc(message);
      if (!Destroyed) Caption = message.LParam ? reinterpret_cast<const wchar_t*>(message.LParam) : L"";
      return;
    case WM_MOUSEMOVE:
      if (Skinned() && IsWindowEnabled(CtrlHandle)) SetActiveControl(Manager(), CtrlHandle);
      return CallPrevWndProc(message);
    case WM_PRINT:
      message.Result = SendMessageW(CtrlHandle, WM_PAINT, message.WParam, message.LParam);
      return;
    case WM_CONTEXTMENU:
      if (Skinned()) HookControlPopupMenu(FControl, Manager());
      return CallPrevWndProc(message);
    default:
      break;
  }
  const TsSkinManager* m = Manager();
  if (!SkinData || !m || !m->Active()) return CallPrevWndProc(message);
  if (message.Msg == SkinCommandMsg && WrapperSkinCommand(message)) return;
  CallPrevWndProc(message);
}

POINT TqxMainWnd::ClientOffset() const {
  POINT origin{0, 0};
  RECT wr{};
  if (!CtrlHandle || !ClientToScreen(CtrlHandle, &origin) || !GetWindowRect(CtrlHandle, &wr)) return POINT{0, 0};
  return POINT{origin.x - wr.left, origin.y - wr.top};
}

void TqxMainWnd::MeasureWindow() {
  GetWindowRect(CtrlHandle, &WndRect);
  WndSize = SIZE{WndRect.right - WndRect.left, WndRect.bottom - WndRect.top};
  ParentWnd = GetParent(CtrlHandle);
  WndPos = POINT{WndRect.left, WndRect.top};
  if (ParentWnd) {
    ScreenToClient(ParentWnd, &WndPos);
    GetWindowRect(ParentWnd, &ParentRect);
  } else {
    ParentRect = RECT{};
  }
}

bool TqxMainWnd::PrepareCache() { return SkinData && PrepareWrapperCache(*SkinData, CtrlHandle, DlgMode); }

void TqxMainWnd::AnswerBackground(TMessage& message) {
  auto* info = reinterpret_cast<TBackgroundInfo*>(message.LParam);
  message.Result = 1;
  if (!info) return;
  if (SkinData->BGChanged) PrepareCache();
  SkinData->AnswerBackgroundRequest(*info, 0);
  // The cache holds the whole window: the client area, which the asking child lies in, starts inside it.
  if (info->BgType == btCache && info->Bmp == SkinData->CacheBmp()) {
    const POINT client = ClientOffset();
    info->Offset = TPoint{info->Offset.X + client.x, info->Offset.Y + client.y};
  }
}

bool TqxMainWnd::WrapperSkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  const bool ofManager = reinterpret_cast<TsSkinManager*>(message.LParam) == Manager();
  const auto forward = [this, &message] {
    TMessage copy = message;
    if (FControl) BroadcastToChildren(FControl, copy);
    else BroadcastToChildWindows(CtrlHandle, copy);
  };
  // An address is followed only in our own send to this window: anything else with it is swallowed.
  if (!SkinCommandTrusted(message, FControl, CtrlHandle)) {
    message.Result = 0;
    return true;
  }
  switch (code) {
    case skcNewSkin:
      if (!ofManager) return false;
      SkinData->UpdateIndexes();
      SkinData->BGChanged = true;
      forward();
      message.Result = 0;
      return true;
    case skcRemoveSkin:
      if (!ofManager) return false;
      RestoreStdParams();
      CallPrevWndProc(message);
      return true;
    case skcRefresh:
      if (!ofManager) return false;
      SkinData->UpdateIndexes();
      SkinData->BGChanged = true;
      SkinData->FUpdating = false;
      if (WindowVisible())
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
      forward();
      message.Result = 0;
      return true;
    case skcEndParentUpdate:
      if (SkinData->FUpdating) {
        HWND parent = GetParent(CtrlHandle);
        SkinData->FUpdating = parent && SendSkinCommandToWindow(parent, skcQueryUpdating) != 0;
        if (!SkinData->FUpdating)
          RedrawWindow(CtrlHandle, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      message.Result = 0;
      return true;
    case skcIsSkinned:
      message.Result = 1;
      return true;
    case skcQueryUpdating:
      message.Result = SkinData->FUpdating;
      return true;
    case skcSetUpdating:
      SkinData->FUpdating = LOWORD(message.WParam) == 1;
      message.Result = 0;
      return true;
    case skcSetSection:
      // The skin data may be the wrapper's own, which knows no window to check the send against.
      if (const auto* record = reinterpret_cast<const TsSectionRecord*>(message.LParam))
        SkinData->SetSkinSection(record->SectionName);
      message.Result = 0;
      return true;
    case skcGetSkinIndex:
      if (auto* index = reinterpret_cast<int*>(message.LParam)) *index = SkinData->SkinIndex();
      message.Result = 1;
      return true;
    case skcQueryParentBG:
    case skcSetPrintDC:
      SkinData->CommonSkinMessage(message);
      return true;
    case skcGetColor:
      CallPrevWndProc(message);
      if (message.Result == 0) message.Result = static_cast<LRESULT>(SkinData->BackgroundColorForChildren());
      return true;
    case skcPrepareCache:
      PrepareCache();
      message.Result = 1;
      return true;
    case skcPaintBackground:
      AnswerBackground(message);
      return true;
    case skcGetCommonData:
      message.Result = reinterpret_cast<LRESULT>(SkinData);
      return true;
    case skcGetApplication:
      message.Result = reinterpret_cast<LRESULT>(&Application());
      return true;
    default:
      return false;
  }
}

}  // namespace qw
