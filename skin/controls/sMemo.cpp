#include "skin/controls/sMemo.h"

#include "fw/MessageCrack.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

void UpdateScrollWrapper(TsCommonData& skinData, TWinControl& control, std::unique_ptr<TqxMainWnd>& wrapper) {
  if (skinData.Skinned()) {
    if (wrapper && wrapper->Destroyed) ReleaseWrapper(std::move(wrapper));
    if (!wrapper && control.HandleAllocated())
      wrapper = TqxMainWnd::Create<TqxEditWnd>(control.Handle(), true, u"", nullptr, &skinData);
  } else if (wrapper) {
    ReleaseWrapper(std::move(wrapper));
  }
}

TsMemo::TsMemo() = default;

TsMemo::~TsMemo() {
  // The wrapper lets go of the window while the memo is still whole.
  ReleaseWrapper(std::move(FListSW));
}

TqxScrollWnd* TsMemo::ScrollWrapper() const { return static_cast<TqxScrollWnd*>(FListSW.get()); }

void TsMemo::Loaded() {
  TsSkinned::Loaded();
  UpdateScrollWrapper(SkinData, *this, FListSW);
}

void TsMemo::CreateWindowHandleDone() {
  TsSkinned::CreateWindowHandleDone();
  if (!IsLoading()) UpdateScrollWrapper(SkinData, *this, FListSW);
}

void TsMemo::SetDisabledKind(int kind) {
  if (kind == FDisabledKind) return;
  FDisabledKind = kind;
  SkinData.Invalidate(false);
}

bool TsMemo::ReadyToPaint() const { return FHandle && FParent && !IsLoading() && !IsDestroying(); }

void TsMemo::Redraw() {
  if (FHandle && Visible()) RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
}

// ---- Messages ----------------------------------------------------------------------------------------

void TsMemo::WndProc(TMessage& message) {
  if (message.Msg == FW_FONT_CHANGED && FHandle && Visible()) Redraw();
  if (message.Msg == SkinCommandMsg && SkinCommand(message)) return;
  if (!ReadyToPaint() || !SkinData.Skinned()) {
    // Unskinned, the memo is still read by assistive technology through its skin data.
    if (message.Msg == WM_GETOBJECT && SkinData.CommonWndProc(message)) return;
    TMemo::WndProc(message);
    return BoundLabel.ControlMessage(message.Msg, FDisabledKind);
  }
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The wrapper in front keeps the focus look.
      return TMemo::WndProc(message);
    case WM_PAINT:
      return WMPaint(message);
    default:
      break;
  }
  if (SkinData.CommonWndProc(message)) return;
  TMemo::WndProc(message);
  AfterFramework(message);
  BoundLabel.ControlMessage(message.Msg, FDisabledKind);
}

bool TsMemo::SkinCommand(TMessage& message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(message.LParam) == SkinData.EffectiveManager();
  switch (SkinCommandCode(message.WParam)) {
    case skcNewSkin:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      UpdateScrollWrapper(SkinData, *this, FListSW);
      return true;
    case skcRemoveSkin:
      if (!ours) return false;
      // The wrapper gives the memo its colours back; a new window brings the system frame and bars.
      ReleaseWrapper(std::move(FListSW));
      SkinData.CommonWndProc(message);
      RecreateWnd();
      return true;
    case skcRefresh:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      UpdateScrollWrapper(SkinData, *this, FListSW);
      Redraw();
      return true;
    case skcIsSkinned:
      message.Result = 1;
      return true;
    default:
      return false;
  }
}

void TsMemo::WMPaint(TMessage& message) {
  SkinData.FUpdating = SkinData.QueryUpdating();
  // The text is the system's: it is drawn in the section's colours unless the memo keeps its own.
  SkinData.ApplySkinColors(false);
  if (SkinData.FUpdating) {
    PAINTSTRUCT ps;
    BeginPaint(FHandle, &ps);
    EndPaint(FHandle, &ps);
    message.Result = 0;
    return;
  }
  TMemo::WndProc(message);
}

void TsMemo::AfterFramework(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFONT:
    case FW_VISIBLE_CHANGED:
    case FW_ENABLED_CHANGED:
      SkinData.Invalidate(false);
      return;
    case EM_SCROLLCARET:
      if (OnScrollCaret) OnScrollCaret(this);
      return;
    case WM_VSCROLL:
      if (OnVScroll) OnVScroll(this);
      return;
    case FW_TEXT_CHANGED:
    case FW_CHANGED:
      if (TqxScrollWnd* bars = ScrollWrapper()) bars->UpdateBars(true);
      return;
    case FW_SHOWING_CHANGED:
      UpdateScrollWrapper(SkinData, *this, FListSW);
      return;
    default:
      return;
  }
}

}  // namespace qw
