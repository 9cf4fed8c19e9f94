#include "skin/core/SkinBroadcast_win.h"

#include <algorithm>
#include <memory>

#include "fw/Application.h"
#include "fw/Form.h"
#include "fw/WinControl.h"
#include "skin/core/BroadcastWalk.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SettingsWatch_win.h"
#include "skin/core/SkinState.h"
#include "skin/render/GlowWindow_win.h"

namespace qw {

namespace {

std::vector<TSkinnedWindow>& SkinnedWindowStore() {
  static std::vector<TSkinnedWindow> list;
  return list;
}

bool IsRegistered(HWND window) {
  const auto& list = SkinnedWindowStore();
  return std::any_of(list.begin(), list.end(), [window](const TSkinnedWindow& s) { return s.Window == window; });
}

// The control tree as the broadcast walks see it; every receiver gets the same message record.
class TControlTree {
 public:
  using Node = TControl;
  explicit TControlTree(TMessage& message) : FMessage(message) {}

  int ChildCount(Node* n) {
    auto* w = dynamic_cast<TWinControl*>(n);
    return w ? w->ControlCount() : 0;
  }
  Node* Child(Node* n, int i) { return static_cast<TWinControl*>(n)->Controls(i); }
  bool Destroying(Node* n) { return n->IsDestroying(); }
  bool HasWindow(Node* n) {
    auto* w = dynamic_cast<TWinControl*>(n);
    return w && w->HandleAllocated();
  }
  bool IsSkinned(Node* n) { return HasWindow(n) && IsSkinnedWindow(static_cast<TWinControl*>(n)->Handle()); }
  void Send(Node* n) {
    if (HasWindow(n)) FMessage.Result = qw::SendToWindow(static_cast<TWinControl*>(n)->Handle(), FMessage, n);
  }
  void Dispatch(Node* n) { FMessage.Result = PerformOn(*n, FMessage); }
  int FormCount() { return Application().FormCount(); }
  Node* Form(int i) { return Application().Forms(i); }
  bool FormUsable(Node* n) { return !n->IsDestroying() && !n->IsLoading(); }

  using Window = HWND;
  std::vector<HWND> SkinnedWindows() {
    std::vector<HWND> windows;
    for (const TSkinnedWindow& s : SkinnedWindowList()) windows.push_back(s.Window);
    return windows;
  }
  bool StillSkinned(HWND w) { return IsWindow(w) && IsRegistered(w); }
  Node* FormOf(HWND w) { return TWinControl::FromHandle(w); }
  bool Shown(HWND w) { return IsWindowVisible(w) != FALSE; }
  void SendToWindow(HWND w) { FMessage.Result = qw::SendToWindow(w, FMessage); }

 private:
  TMessage& FMessage;
};

struct THotTracking {
  HWND Window = nullptr;
  TControl* Graph = nullptr;
};
THotTracking& Hot() {
  static THotTracking hot;
  return hot;
}

}  // namespace

// ---- Single receivers ----------------------------------------------------------------------------------

TMessage SkinCommandMessage(TSkinCommand code, LPARAM lParam, uint16_t flag) {
  return TMessage{SkinCommandMsg, SkinCommandWParam(code, flag), lParam, 0};
}

LRESULT SendSkinCommand(TControl* control, TSkinCommand code, LPARAM lParam, uint16_t flag) {
  if (!control) return 0;
  const TMessage command = SkinCommandMessage(code, lParam, flag);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    // A window that does not exist yet resolves its indexes itself when it is made.
    if (w->IsDestroying() || !w->HandleAllocated()) return 0;
    return SendToWindow(w->Handle(), command, control);
  }
  return PerformOn(*control, command);
}

LRESULT SendSkinCommandToWindow(HWND window, TSkinCommand code, LPARAM lParam, uint16_t flag) {
  return SendToWindow(window, SkinCommandMessage(code, lParam, flag));
}

bool IsSkinnedWindow(HWND window) { return SendSkinCommandToWindow(window, skcIsSkinned) == 1; }

// ---- Walks -----------------------------------------------------------------------------------------------

void BroadcastToChildren(TWinControl* control, TMessage& message) {
  if (!control) return;
  TControlTree tree(message);
  BroadcastToChildrenWalk(tree, static_cast<TControl*>(control));
}

void BroadcastToChildWindows(HWND window, TMessage& message) {
  if (!window) return;
  for (HWND child = GetWindow(window, GW_CHILD); child;) {
    // Read the next one first: a receiver may destroy itself.
    HWND next = GetWindow(child, GW_HWNDNEXT);
    if (GetParent(child) == window) message.Result = SendToWindow(child, message);
    child = next;
  }
}

void BroadcastToAllForms(TMessage& message) {
  TControlTree tree(message);
  BroadcastToAllFormsWalk(tree);
}

void BroadcastToSkinnedForms(TMessage& message) {
  TControlTree tree(message);
  BroadcastToSkinnedFormsWalk(tree);
}

// ---- Skinned top-level windows ---------------------------------------------------------------------------

const std::vector<TSkinnedWindow>& SkinnedWindowList() { return SkinnedWindowStore(); }

void AddSkinnedWindow(HWND window, TsSkinManager* manager) {
  auto& list = SkinnedWindowStore();
  std::erase_if(list, [](const TSkinnedWindow& s) { return !IsWindow(s.Window); });
  if (window && !IsRegistered(window)) list.push_back(TSkinnedWindow{window, manager});
}

void RemoveSkinnedWindow(HWND window) {
  auto& list = SkinnedWindowStore();
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Window != window) continue;
    list[i] = list.back();
    list.pop_back();
    return;
  }
}

// ---- Freezing the forms for a skin change ----------------------------------------------------------------

namespace {

TFormChangeAnimation*& ChangeAnimation() {
  static TFormChangeAnimation* animation = nullptr;
  return animation;
}

// The visible, top-level, not minimised forms that Manager skins.
bool IsChangingForm(const TSkinnedWindow& s, const TsSkinManager& manager) {
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(s.Window));
  if (!form || !form->Visible() || IsIconic(s.Window) || form->Parent()) return false;
  return (s.Manager ? s.Manager : DefaultManager()) == &manager;
}

bool ApplicationMinimized() {
  TForm* main = Application().MainForm;
  return main && main->HandleAllocated() && IsIconic(main->Handle());
}

}  // namespace

TFormsLock::TFormsLock(TsSkinManager& manager) : FManager(manager) {
  if (ApplicationMinimized()) return;
  if (&manager == DefaultManager() && manager.AnimEffects.SkinChanging.Active && !AnimationRunning) {
    AnimationRunning = true;
    FSetAnimation = true;
  }
  for (const TSkinnedWindow& s : SkinnedWindowList()) {
    // Only forms are frozen; the windows the program did not build are repainted after the change.
    if (!IsChangingForm(s, manager)) continue;
    if (ChangeAnimation()) ChangeAnimation()->Lock(s.Window);
    SendMessageW(s.Window, WM_SETREDRAW, FALSE, 0);
    FLocked.push_back(s.Window);
  }
}

TFormsLock::~TFormsLock() {
  if (!FUnlocked) Unlock(false);
}

void TFormsLock::Unlock(bool animate) {
  if (FUnlocked) return;
  FUnlocked = true;
  if (FSetAnimation) AnimationRunning = false;
  const TqxAnimEffect& effect = FManager.AnimEffects.SkinChanging;
  for (HWND form : FLocked) {
    if (!IsWindow(form)) continue;
    if (animate && !IsIconic(form) && effect.Active && ChangeAnimation()) {
      ChangeAnimation()->Play(form, effect);
      continue;
    }
    SendMessageW(form, WM_SETREDRAW, TRUE, 0);
    if (ChangeAnimation()) ChangeAnimation()->Release(form);
    if (animate && !IsIconic(form))
      RedrawWindow(form, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  FLocked.clear();
}

// ---- Skin change sequences -------------------------------------------------------------------------------

void RepaintForms(TsSkinManager& manager, bool lockForms) {
  const LPARAM m = reinterpret_cast<LPARAM>(&manager);
  TMessage stop = SkinCommandMessage(skcStopFading, m);
  BroadcastToAllForms(stop);
  TMessage refresh = SkinCommandMessage(skcRefresh, m);
  if (manager.Loading()) {
    BroadcastToAllForms(refresh);
    return;
  }
  if (lockForms) {
    TFormsLock lock(manager);
    BroadcastToAllForms(refresh);
    lock.Unlock(true);
  } else {
    // Drawing is resumed by whoever froze it (the announcement of a new skin).
    BroadcastToAllForms(refresh);
  }
}

void UpdateSkinSection(TsSkinManager&, std::u16string_view sectionName) {
  UpdatedSectionName = NormalizeSectionName(sectionName);
  TMessage changed = SkinCommandMessage(skcSectionChanged, 0);
  BroadcastToAllForms(changed);
}

namespace {

std::vector<TSkinChangeListener>& SkinChangeListeners() {
  static std::vector<TSkinChangeListener> listeners;
  return listeners;
}

void TellSkinChangeListeners(TsSkinManager& manager, bool active) {
  for (TSkinChangeListener listener : SkinChangeListeners()) listener(manager, active);
}

}  // namespace

void AddSkinChangeListener(TSkinChangeListener listener) {
  auto& listeners = SkinChangeListeners();
  if (listener && std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
    listeners.push_back(listener);
}

void TsWindowBroadcast::AnnounceNewSkin(TsSkinManager& manager, bool repaint) {
  if (manager.Loading()) return;
  HideAllGlows();
  std::unique_ptr<TFormsLock> lock;
  if (repaint) lock = std::make_unique<TFormsLock>(manager);
  manager.SkinData.Active = false;
  TMessage announce = SkinCommandMessage(skcNewSkin, reinterpret_cast<LPARAM>(&manager));
  try {
    BroadcastToAllForms(announce);
  } catch (...) {
    manager.SkinData.Active = true;
    throw;
  }
  manager.SkinData.Active = true;
  TellSkinChangeListeners(manager, true);
  if (repaint) {
    qw::RepaintForms(manager, false);
    lock->Unlock(true);
  }
}

void TsWindowBroadcast::AnnounceRemoveSkin(TsSkinManager& manager) {
  HideAllGlows();
  manager.SkinData.Active = false;
  TMessage remove = SkinCommandMessage(skcRemoveSkin, reinterpret_cast<LPARAM>(&manager));
  BroadcastToAllForms(remove);
  TellSkinChangeListeners(manager, false);
}

void TsWindowBroadcast::RepaintForms(TsSkinManager& manager, bool lockForms) { qw::RepaintForms(manager, lockForms); }

void TsWindowBroadcast::WatchSystemSettings(TsSkinManager& manager) { qw::WatchSystemSettings(manager); }

void TsWindowBroadcast::PrepareSkinChangeAnimation(TsSkinManager& manager) {
  if (!ChangeAnimation() || ApplicationMinimized()) return;
  for (const TSkinnedWindow& s : SkinnedWindowList())
    if (IsChangingForm(s, manager)) ChangeAnimation()->Prepare(s.Window);
}

void SetFormChangeAnimation(TFormChangeAnimation* animation) { ChangeAnimation() = animation; }

TsWindowBroadcast& WindowBroadcast() {
  static TsWindowBroadcast hook;
  return hook;
}

void InstallSkinCommandFilter() {
  Application().SetMessageFilter(kSkinCommandFilter, [](MSG& msg) { return msg.message == SkinCommandMsg; });
}

// ---- Hot tracking ------------------------------------------------------------------------------------------

HWND ActiveControl() { return Hot().Window; }
TControl* ActiveGraphControl() { return Hot().Graph; }

void SetActiveControl(TsSkinManager* manager, HWND window) {
  THotTracking& hot = Hot();
  if (window == hot.Window) return;
  if (hot.Window && hot.Graph) {
    SetActiveGraphControl(manager, nullptr);
    if (hot.Graph) return;  // the windowless control still has the mouse
  }
  const HWND old = hot.Window;
  hot.Window = window;
  const LPARAM m = reinterpret_cast<LPARAM>(manager);
  if (old && IsWindow(old)) SendSkinCommandToWindow(old, skcMouseLeave, m);
  if (window) SendSkinCommandToWindow(window, skcMouseEnter, m);
}

void SetActiveGraphControl(TsSkinManager* manager, TControl* control) {
  THotTracking& hot = Hot();
  if (control == hot.Graph) return;
  if (!control && hot.Graph) {
    auto* data = reinterpret_cast<TsCommonData*>(SendSkinCommand(hot.Graph, skcGetCommonData));
    if (data && data->FMouseAbove) return;
  }
  TControl* previous = hot.Graph;
  hot.Graph = control;
  if (control) hot.Window = nullptr;
  if (previous) SendSkinCommand(previous, skcMouseLeave, reinterpret_cast<LPARAM>(manager));
}

void ForgetHotTracked(TControl* control) {
  THotTracking& hot = Hot();
  if (hot.Graph == control) hot.Graph = nullptr;
  if (auto* w = dynamic_cast<TWinControl*>(control); w && w->HandleAllocated() && hot.Window == w->Handle())
    hot.Window = nullptr;
}

}  // namespace qw
