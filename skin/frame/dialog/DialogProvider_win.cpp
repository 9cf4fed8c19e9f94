#include "skin/frame/dialog/DialogProvider_win.h"

#include <algorithm>
#include <string>

#include "fw/Application.h"
#include "fw/DeferredRelease.h"
#include "fw/Form.h"
#include "skin/controls/ComboBoxWnd_win.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/controls/ListWnd_win.h"
#include "skin/controls/SectionWnd_win.h"
#include "skin/controls/SizerWnd_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/controls/StdChildWrappers_win.h"
#include "skin/controls/TabControlWnd_win.h"
#include "skin/controls/TrackWnd_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/frame/dialog/DialogChildClass.h"
#include "skin/frame/dialog/DialogWnd_win.h"

namespace qw {

namespace {

// Every provider the hook made. A dialog's provider belongs to the list; a form's to its form, which
// takes it out of the list when it goes. Entries are removed, not emptied, so the list stays as long as
// the windows it serves.
struct THookEntry {
  TqxProvider* Provider = nullptr;
  std::unique_ptr<TqxProvider> Owned;
};
std::vector<THookEntry>& HookStore() {
  static std::vector<THookEntry> store;
  return store;
}

// The engine's own auxiliary windows (glow and picture windows) carry this tag.
constexpr intptr_t kAuxiliaryTag = -98;
constexpr const char* kExcludedFormClasses[] = {"TApplication", "TfcPopup"};

std::u16string LowerClassOf(HWND wnd) {
  wchar_t name[129] = {};
  const int n = GetClassNameW(wnd, name, static_cast<int>(std::size(name)));
  return LowerClassName(std::u16string_view(reinterpret_cast<const char16_t*>(name), static_cast<size_t>(std::max(n, 0))));
}

bool HasToolBar(HWND wnd) {
  for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (LowerClassOf(child) == u"toolbarwindow32" || HasToolBar(child)) return true;
  return false;
}

int VisibleSkinnedDialogs() {
  int count = 0;
  for (const THookEntry& e : HookStore())
    if (e.Provider->ListSW && !e.Provider->DialogGone() && IsWindowVisible(e.Provider->CtrlHandle)) ++count;
  return count;
}

// The framework form a window belongs to, searched from the last form to the first.
TForm* FrameworkFormOf(HWND wnd) {
  for (int i = Application().FormCount() - 1; i >= 0; --i) {
    TForm* form = Application().Forms(i);
    if (!form->IsDestroying() && form->HandleAllocated() && form->Handle() == wnd) return form;
  }
  return nullptr;
}

void SkinForm(TForm& form, const TsSkinManager& manager) {
  if ((form.Tag & kAuxiliaryTag) == kAuxiliaryTag || form.IsLoading()) return;
  const std::string_view name = form.ClassName();
  if (std::any_of(std::begin(kExcludedFormClasses), std::end(kExcludedFormClasses),
                  [name](const char* c) { return name == c; }))
    return;
  const uint8_t rule = name == "TMessageForm" ? srStdDialogs : srStdForms;
  if (!(manager.SkinningRules() & rule)) return;
  auto* provider = TComponent::Create<TqxProvider>(&form);
  HookStore().push_back(THookEntry{provider, nullptr});
  provider->InitForm(form);
}

void SkinDialog(HWND dialog, const TsSkinManager& manager) {
  if (VisibleSkinnedDialogs() >= kMaxSkinnedDialogs && !HasToolBar(dialog)) return;
  if (manager.OnSysDlgInit) {
    bool allow = true;
    manager.OnSysDlgInit(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(dialog)), allow);
    if (!allow) return;
  }
  auto owned = std::make_unique<TqxProvider>();
  TqxProvider* provider = owned.get();
  HookStore().push_back(THookEntry{provider, std::move(owned)});
  if (!provider->InitSkin(dialog)) {
    auto& store = HookStore();
    const auto it = std::find_if(store.begin(), store.end(), [provider](const THookEntry& e) { return e.Provider == provider; });
    if (it == store.end()) return;
    std::unique_ptr<TqxProvider> gone = std::move(it->Owned);
    store.erase(it);
  }
}

// The wrapper of one kind of child window (null: the window keeps the system's look).
std::unique_ptr<TqxMainWnd> MakeChildWrapper(const TDialogChild& child, HWND wnd, TsSkinManager* m) {
  using K = TDialogChildKind;
  switch (child.Kind) {
    case K::Edit:
    case K::ComboList:
    case K::ListBox: return TqxMainWnd::Create<TqxEditWnd>(wnd, true, child.Section, m, nullptr);
    case K::ComboBox: return TqxMainWnd::Create<TqxComboBoxWnd>(wnd, child.Section, m, nullptr);
    case K::StdChild: return WrapStdChild(wnd, m, true);
    case K::Panel:
    case K::SilentPanel: return TqxMainWnd::Create<TqxPanelWnd>(wnd, child.Section, m, nullptr);
    case K::TransPanel: return TqxMainWnd::Create<TqxTransPanelWnd>(wnd, child.Section, m, nullptr);
    case K::Sizer: return TqxMainWnd::Create<TqxSizerWnd>(wnd, child.Section, m, nullptr);
    case K::TrackBar: return TqxMainWnd::Create<TqxTrackWnd>(wnd, child.Section, m, nullptr);
    case K::Link: return TqxMainWnd::Create<TqxLinkWnd>(wnd, child.Section, m, nullptr);
    case K::TabControl: return TqxMainWnd::Create<TqxTabControlWnd>(wnd, child.Section, m, nullptr);
    case K::ListView: return TqxMainWnd::Create<TqxListViewWnd>(wnd, child.Section, m, nullptr);
    case K::TreeView: return TqxMainWnd::Create<TqxTreeViewWnd>(wnd, child.Section, m, nullptr);
    case K::UpDown: return TqxMainWnd::Create<TqxSpinWnd>(wnd, child.Section, m, nullptr);
    case K::ToolBar: return TqxMainWnd::Create<TqxToolBarWnd>(wnd, child.Section, m, nullptr);
    default: return nullptr;
  }
}

}  // namespace

// ---- TqxProvider -----------------------------------------------------------------------------------------

TqxProvider::~TqxProvider() {
  for (auto& wrapper : qxSkinnedCtrls) ReleaseWrapper(std::move(wrapper));
  qxSkinnedCtrls.clear();
  if (ListSW) {
    if (!ListSW->Destroyed) RemoveSkinnedWindow(CtrlHandle);
    ReleaseWrapper(std::move(ListSW));
  }
  // A form's provider leaves the hook's list with its form.
  auto& store = HookStore();
  std::erase_if(store, [this](const THookEntry& e) { return e.Provider == this && !e.Owned; });
}

bool TqxProvider::DialogGone() const { return ListSW && ListSW->Destroyed; }

void TqxProvider::InitForm(TForm& form) {
  CtrlHandle = form.HandleAllocated() ? form.Handle() : nullptr;
  sp = TsSkinProvider::CreateFor(form);
  if (!sp) return;
  sp->UseGlobalColor = false;
  sp->MakeSkinMenu = false;
  if (!form.HandleAllocated()) return;
  UpdateWindow(form.Handle());
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool TqxProvider::InitSkin(HWND dialog) {
  CtrlHandle = dialog;
  TsSkinManager* m = DefaultManager();
  if (ListSW || !m || !m->SkinData.Active) return true;
  ListSW = TqxMainWnd::Create<TqxDialogWnd>(dialog, m, this);
  if (ListSW->Destroyed || !InitHwndControls(dialog)) return false;
  ListSW->InitParams();
  // From now on the manager's announcements reach the dialog.
  AddSkinnedWindow(dialog, m);
  SendSkinCommandToWindow(dialog, skcNewSkin, reinterpret_cast<LPARAM>(m));
  return true;
}

bool TqxProvider::InitHwndControls(HWND window) {
  // Wrappers of child windows that went are let go first.
  for (auto& wrapper : qxSkinnedCtrls)
    if (wrapper && wrapper->Destroyed) ReleaseWrapper(std::move(wrapper));
  std::erase(qxSkinnedCtrls, nullptr);
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    // A combo box looks after the windows inside it.
    if (LowerClassOf(child) != u"combobox" && !InitHwndControls(child)) return false;
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) && !AddControl(child)) return false;
  }
  return true;
}

bool TqxProvider::AddControl(HWND window) {
  if (!window) return false;
  if (IsSkinnedWindow(window)) return true;
  TsSkinManager* m = ListSW ? ListSW->Manager() : DefaultManager();
  if (!m) return true;
  const uint32_t style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  const TDialogChild child = ClassifyDialogChild(LowerClassOf(window), style, (style & WS_VISIBLE) != 0);
  // A list box paints through the dialog's own painting, which must then run.
  if (child.Kind == TDialogChildKind::ListBox && ListSW) ListSW->WMPaintForbidden = false;
  std::unique_ptr<TqxMainWnd> wrapper = MakeChildWrapper(child, window, m);
  if (!wrapper) return true;
  wrapper->DlgMode = true;
  wrapper->MeasureWindow();
  qxSkinnedCtrls.push_back(std::move(wrapper));
  return true;
}

// ---- The hook's decisions --------------------------------------------------------------------------------

void SkinWindow(HWND window) {
  const TsSkinManager* m = DefaultManager();
  if (!m || Application().Terminated() || !IsWindow(window) || IsSkinnedWindow(window)) return;
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if ((style & WS_POPUP) && !(style & WS_BORDER)) return;
  if (HookProviderOf(window)) return;
  if (TForm* form = FrameworkFormOf(window)) return SkinForm(*form, *m);
  if (LowerClassOf(window) == u"#32770" && !GetParent(window) && (m->SkinningRules() & srStdDialogs))
    SkinDialog(window, *m);
}

void ReleaseClosedDialogs() {
  auto& store = HookStore();
  std::vector<std::unique_ptr<TqxProvider>> gone;
  for (THookEntry& e : store) {
    if (!e.Owned || !e.Provider->DialogGone()) continue;
    gone.push_back(std::move(e.Owned));
    e.Provider = nullptr;
  }
  std::erase_if(store, [](const THookEntry& e) { return !e.Provider; });
}

void ReleaseClosedDialogLater(TqxProvider* provider) {
  auto& store = HookStore();
  const auto it = std::find_if(store.begin(), store.end(), [provider](const THookEntry& e) { return e.Provider == provider; });
  if (it == store.end() || !it->Owned) return;
  std::unique_ptr<TqxProvider> gone = std::move(it->Owned);
  store.erase(it);
  ReleaseLater(std::move(gone));
}

void ReleaseHookProviders() {
  auto& store = HookStore();
  std::vector<std::unique_ptr<TqxProvider>> owned;
  std::vector<TqxProvider*> forms;
  for (THookEntry& e : store) {
    if (e.Owned) owned.push_back(std::move(e.Owned));
    else forms.push_back(e.Provider);
  }
  store.clear();
  // A form keeps the frame component its provider gave it.
  for (TqxProvider* p : forms)
    if (TComponent* form = p->Owner()) form->ExtractComponent(p).reset();
}

std::vector<TqxProvider*> HookProviders() {
  std::vector<TqxProvider*> list;
  for (const THookEntry& e : HookStore()) list.push_back(e.Provider);
  return list;
}

TqxProvider* HookProviderOf(HWND window) {
  for (const THookEntry& e : HookStore())
    if (e.Provider->CtrlHandle == window && window) return e.Provider;
  return nullptr;
}

}  // namespace qw
