#include "skin/controls/CtrlAdapter_win.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "base/FlagScope.h"
#include "base/Utf.h"
#include "fw/Color.h"
#include "fw/Form.h"
#include "fw/Label.h"
#include "fw/WinControl.h"
#include "skin/controls/BitBtnWnd_win.h"
#include "skin/controls/ButtonWnd_win.h"
#include "skin/controls/ComboBoxWnd_win.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/controls/ListWnd_win.h"
#include "skin/controls/SBWnd_win.h"
#include "skin/controls/SectionWnd_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/controls/StdChildStyles.h"
#include "skin/controls/TabControlWnd_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

// Wrapping runs once at a time: what a wrapper does while it is made must not start another round.
bool GAddingItems = false;

std::u16string SystemClassName(HWND wnd) {
  wchar_t name[256] = {};
  const int n = GetClassNameW(wnd, name, static_cast<int>(std::size(name)));
  return std::u16string(reinterpret_cast<const char16_t*>(name), static_cast<size_t>(std::max(n, 0)));
}

// The framework's tree as the search reads it (Receiver: the adapter told of what is found).
class TControlTreeReader {
 public:
  using Node = TComponent;
  TControlTreeReader(const TsSkinManager* manager, TqxCtrlAdapter* receiver) : FManager(manager), FReceiver(receiver) {}

  std::vector<Node*> Components(Node* n) {
    std::vector<Node*> v;
    for (int i = 0; i < n->ComponentCount(); ++i) v.push_back(n->Components(i));
    return v;
  }
  std::vector<Node*> Children(Node* n) {
    std::vector<Node*> v;
    if (auto* w = dynamic_cast<TWinControl*>(n))
      for (int i = 0; i < w->ControlCount(); ++i) v.push_back(w->Controls(i));
    return v;
  }
  bool IsControl(Node* n) { return dynamic_cast<TControl*>(n) != nullptr; }
  bool NotWrapped(Node* n) { return n->Tag == kTagNotWrapped; }
  bool IsWindowed(Node* n) { return dynamic_cast<TWinControl*>(n) != nullptr; }
  bool HasWindow(Node* n) {
    auto* w = dynamic_cast<TWinControl*>(n);
    return w && w->HandleAllocated();
  }
  bool IsSkinned(Node* n) { return HasWindow(n) && IsSkinnedWindow(static_cast<TWinControl*>(n)->Handle()); }
  bool IsForm(Node* n) { return dynamic_cast<TForm*>(n) != nullptr; }
  bool IsPlainLabel(Node* n) { return std::string_view(n->ClassName()) == "TLabel"; }
  int Category(Node* n) { return FManager ? ThirdPartyCategory(*FManager, n->ClassName()) : -1; }
  void FoundWindowed(Node* n) { FReceiver->AddNewItem(static_cast<TWinControl*>(n)); }
  void FoundLabel(Node* n) { FReceiver->TakeOverLabel(static_cast<TControl*>(n)); }
  void FoundSpeedButton(Node* n) { FReceiver->AddNewGraphItem(static_cast<TControl*>(n)); }

 private:
  const TsSkinManager* FManager;
  TqxCtrlAdapter* FReceiver;
};

BOOL CALLBACK CollectChildWindow(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

// The child windows as the search reads them, by handle and the system's class names.
class TWindowTreeReader {
 public:
  using Window = HWND;
  TWindowTreeReader(const TsSkinManager& manager, TqxCtrlAdapter& receiver) : FManager(manager), FReceiver(receiver) {}

  std::vector<HWND> Descendants(HWND root) {
    std::vector<HWND> v;
    EnumChildWindows(root, &CollectChildWindow, reinterpret_cast<LPARAM>(&v));
    return v;
  }
  bool HasFrameworkObject(HWND w) { return TWinControl::FromHandle(w) != nullptr; }
  int Category(HWND w) { return ThirdPartyCategory(FManager, SystemClassName(w)); }
  bool IsSkinned(HWND w) { return IsSkinnedWindow(w); }
  void FoundWindow(HWND w) { FReceiver.AddNewWindow(w); }

 private:
  const TsSkinManager& FManager;
  TqxCtrlAdapter& FReceiver;
};

// The wrapper of a category; null for speed buttons, which have no window. Section: the one asked for, else the category's own.
std::unique_ptr<TqxMainWnd> MakeWrapper(int category, HWND wnd, TsSkinManager* manager, TsCommonData* skinData,
                                        std::u16string_view section) {
  const auto or_ = [section](std::u16string_view own) { return section.empty() ? own : section; };
  switch (category) {
    case tcEdits:
    case tcGrids:
    case tcExtGrids:
    case tcExtTrees:
      return TqxMainWnd::Create<TqxEditWnd>(wnd, true, section, manager, skinData);
    case tcComboEdits:
      return TqxMainWnd::Create<TqxEditWnd>(wnd, true, or_(u"COMBOBOX"), manager, skinData);
    case tcButtons:
      // A listed class may still make an owner-drawn or check-box window: its look is not a push button's.
      if (StdButtonKind(static_cast<uint32_t>(GetWindowLongW(wnd, GWL_STYLE))) != sbkPush) return nullptr;
      return TqxMainWnd::Create<TqxButtonWnd>(wnd, section, manager, skinData);
    case tcBitBtns:
      return TqxMainWnd::Create<TqxBitBtnWnd>(wnd, section, manager, skinData);
    case tcComboBoxes:
      return TqxMainWnd::Create<TqxComboBoxWnd>(wnd, section, manager, skinData);
    case tcScrollControls:
      return TqxMainWnd::Create<TqxEditWnd>(wnd, true, or_(u"PANEL_LOW"), manager, skinData);
    case tcListViews:
      return TqxMainWnd::Create<TqxListViewWnd>(wnd, section, manager, skinData);
    case tcTreeViews:
      return TqxMainWnd::Create<TqxTreeViewWnd>(wnd, section, manager, skinData);
    case tcCheckBoxes:
      return TqxMainWnd::Create<TqxCheckBoxWnd>(wnd, section, manager, skinData);
    case tcGroupBoxes:
      return TqxMainWnd::Create<TqxGroupBoxWnd>(wnd, section, manager, skinData);
    case tcPanels:
      return TqxMainWnd::Create<TqxPanelWnd>(wnd, section, manager, skinData);
    case tcToolBars:
      return TqxMainWnd::Create<TqxToolBarWnd>(wnd, section, manager, skinData);
    case tcStatusBars:
      return TqxMainWnd::Create<TqxStatusBarWnd>(wnd, section, manager, skinData);
    case tcUpDowns:
      return TqxMainWnd::Create<TqxSpinWnd>(wnd, section, manager, skinData);
    case tcPageControls:
      return TqxMainWnd::Create<TqxPageControlWnd>(wnd, section, manager, skinData);
    case tcTabControls:
      return TqxMainWnd::Create<TqxTabControlWnd>(wnd, section, manager, skinData);
    case tcScrollBars:
      return TqxMainWnd::Create<TqxSBWnd>(wnd, section, manager, skinData);
    default:
      return nullptr;
  }
}

}  // namespace

int ThirdPartyCategory(const TsSkinManager& manager, std::u16string_view className) {
  const TThirdPartyLists& lists = manager.ThirdLists();
  for (int i = 0; i < kThirdPartyCount; ++i) {
    const auto& list = lists[static_cast<size_t>(i)];
    if (std::find(list.begin(), list.end(), className) != list.end()) return i;
  }
  return -1;
}

int ThirdPartyCategory(const TsSkinManager& manager, const std::string& className) {
  return ThirdPartyCategory(manager, std::u16string(className.begin(), className.end()));
}

// ---- Items ---------------------------------------------------------------------------------------------

TqxAdapterItem::TqxAdapterItem(TqxCtrlAdapter* adapter, TWinControl* control)
    : WinCtrl(control), SkinData(std::make_unique<TsCommonData>(control, true)), Adapter(adapter) {}

TqxAdapterItem::TqxAdapterItem(TqxCtrlAdapter* adapter, HWND window)
    : WinCtrl(nullptr), Adapter(adapter), FWindow(window) {}

TqxAdapterItem::~TqxAdapterItem() {
  // The wrapper goes first: it paints with the item's skin data until it has given the window back.
  ReleaseWrapper(std::move(ScrollWnd));
  SkinData.reset();
}

HWND TqxAdapterItem::Window() const {
  if (!WinCtrl) return FWindow;
  return WinCtrl->HandleAllocated() ? WinCtrl->Handle() : nullptr;
}

bool TqxAdapterItem::HasParent() const { return WinCtrl ? WinCtrl->Parent() != nullptr : GetParent(FWindow) != nullptr; }

std::u16string TqxAdapterItem::ClassName() const {
  return WinCtrl ? Utf8ToUtf16(WinCtrl->ClassName()) : SystemClassName(FWindow);
}

// ---- Adapter --------------------------------------------------------------------------------------------

TqxCtrlAdapter::TqxCtrlAdapter(TForm& form, TComponent* provider, TsSkinManager* manager)
    : Provider(provider), FForm(&form), FManager(manager) {}

TqxCtrlAdapter::TqxCtrlAdapter(HWND window, TComponent* provider, TsSkinManager* manager)
    : Provider(provider), FWindow(window), FManager(manager) {}

TqxCtrlAdapter::~TqxCtrlAdapter() { RemoveAllItems(); }

TsSkinManager* TqxCtrlAdapter::Manager() const { return FManager ? FManager : DefaultManager(); }

TqxAdapterItem* TqxCtrlAdapter::GetItem(int index) const {
  return index >= 0 && index < Count() ? Items[static_cast<size_t>(index)].get() : nullptr;
}

int TqxCtrlAdapter::IndexOf(const TControl* control) const {
  for (int i = 0; i < Count(); ++i)
    if (Items[static_cast<size_t>(i)]->WinCtrl == control) return i;
  return -1;
}

int TqxCtrlAdapter::IndexOf(HWND window) const {
  // Items of framework controls are matched by control: their windows may have been made anew.
  for (int i = 0; i < Count(); ++i) {
    const TqxAdapterItem& item = *Items[static_cast<size_t>(i)];
    if (!item.WinCtrl && item.Window() == window) return i;
  }
  return -1;
}

bool TqxCtrlAdapter::IsControlSupported(TComponent* component) const {
  TControlTreeReader tree(Manager(), nullptr);
  return component && ControlSupported(tree, component);
}

void TqxCtrlAdapter::AddAllItems(TWinControl* owner) {
  TsSkinManager* m = Manager();
  if (!m || !(m->SkinningRules() & srThirdParty) || GAddingItems) return;
  TFlagScope adding(GAddingItems);
  CleanItems();
  TWinControl* root = owner ? owner : FForm;
  if (root) {
    TControlTreeReader tree(m, this);
    ControlTreeSearch(tree, static_cast<TComponent*>(root));
  }
  HWND window = root ? (root->HandleAllocated() ? root->Handle() : nullptr) : FWindow;
  if (window) {
    TWindowTreeReader windows(*m, *this);
    WindowTreeSearch(windows, window);
  }
}

void TqxCtrlAdapter::TakeOverLabel(TControl* label) {
  if (label->Tag == kTagKeepLabel) return;
  label->ControlStyle &= ~static_cast<uint32_t>(csOpaque);
  // A plain label paints its own background unless it is transparent: the skin shows through instead.
  if (auto* plain = dynamic_cast<TLabel*>(label); plain && !plain->Transparent()) {
    plain->SetTransparent(true);
    FMadeTransparent.insert(plain);
  }
  const TsSkinManager* m = Manager();
  const TColor color = m ? static_cast<TColor>(m->GetGlobalFontColor()) : clNoColor;
  if (color != clNoColor && label->Font().Color() != color) label->Font().SetColor(color);
}

namespace {

void ForEachLabel(TWinControl& parent, const std::function<void(TLabel&)>& f) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    if (auto* label = dynamic_cast<TLabel*>(c)) f(*label);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachLabel(*w, f);
  }
}

}  // namespace

void TqxCtrlAdapter::GiveBackLabels() {
  if (!FForm) return;
  // Only labels still on the form are touched: one that went meanwhile is not followed.
  ForEachLabel(*FForm, [this](TLabel& label) {
    if (label.Tag == kTagKeepLabel) return;
    label.Font().SetColor(clWindowText);
    if (FMadeTransparent.count(&label)) label.SetTransparent(false);
  });
  FMadeTransparent.clear();
}

bool TqxCtrlAdapter::Allowed(HWND window, TControl* control, std::u16string& section) {
  bool allow = true;
  if (OnSkinItem) OnSkinItem(window, control, allow, section);
  return allow;
}

void TqxCtrlAdapter::AddNewItem(TWinControl* control) { AddNewItem(control, DefaultSection); }

void TqxCtrlAdapter::AddNewItem(TWinControl* control, std::u16string_view section) {
  if (!control || control->Tag == kTagNotWrapped || !control->Parent() || !control->HandleAllocated()) return;
  if (IsSkinnedWindow(control->Handle())) return;
  std::u16string chosen(section);
  if (!Allowed(control->Handle(), control, chosen)) return;
  const int found = IndexOf(control);
  AddItem(found < 0 ? std::make_unique<TqxAdapterItem>(this, control) : nullptr, found, chosen);
}

void TqxCtrlAdapter::AddNewWindow(HWND window) { AddNewWindow(window, DefaultSection); }

void TqxCtrlAdapter::AddNewWindow(HWND window, std::u16string_view section) {
  if (TWinControl* control = TWinControl::FromHandle(window)) return AddNewItem(control, section);
  if (!window || !IsWindow(window) || !GetParent(window) || IsSkinnedWindow(window)) return;
  std::u16string chosen(section);
  if (!Allowed(window, nullptr, chosen)) return;
  const int found = IndexOf(window);
  AddItem(found < 0 ? std::make_unique<TqxAdapterItem>(this, window) : nullptr, found, chosen);
}

void TqxCtrlAdapter::AddItem(std::unique_ptr<TqxAdapterItem> fresh, int found, std::u16string_view section) {
  TqxAdapterItem* item = fresh ? fresh.get() : GetItem(found);
  if (fresh) Items.push_back(std::move(fresh));
  if (item->SkinData && !section.empty()) item->SkinData->SetSkinSection(section);
  if (!item->ScrollWnd || item->ScrollWnd->Destroyed) {
    ReleaseWrapper(std::move(item->ScrollWnd));
    if (!item->SkinData && item->WinCtrl) item->SkinData = std::make_unique<TsCommonData>(item->WinCtrl, true);
    DoHook(*item, section);
  }
  if (found < 0 && !item->ScrollWnd) RemoveItem(item->WinCtrl ? IndexOf(item->WinCtrl) : IndexOf(item->Window()));
}

void TqxCtrlAdapter::AddNewGraphItem(TControl* control) {
  if (control && control->Tag != kTagNotWrapped && std::find(GraphItems.begin(), GraphItems.end(), control) == GraphItems.end())
    GraphItems.push_back(control);
}

void TqxCtrlAdapter::DoHook(TqxAdapterItem& item, std::u16string_view section) {
  HWND window = item.Window();
  if (!window || !item.HasParent() || IsSkinnedWindow(window)) return;
  TsSkinManager* m = Manager();
  if (!m) return;
  // The item's skin data resolves its section against the adapter's manager, not just the default one.
  if (FManager && item.SkinData) item.SkinData->SetSkinManager(FManager);
  std::unique_ptr<TqxMainWnd> wrapper =
      MakeWrapper(ThirdPartyCategory(*m, item.ClassName()), window, FManager, item.SkinData.get(), section);
  if (!wrapper) return;
  // A control's skin data belongs to the control: it goes while the control is still whole.
  if (item.SkinData) wrapper->OnControlDestroyed = [&item](TqxMainWnd&) { item.SkinData.reset(); };
  item.ScrollWnd = std::move(wrapper);
}

void TqxCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  auto& slot = Items[static_cast<size_t>(index)];
  std::unique_ptr<TqxAdapterItem> gone = std::move(slot);
  if (index != Count() - 1) slot = std::move(Items.back());
  Items.pop_back();
}

void TqxCtrlAdapter::RemoveAllItems() {
  while (!Items.empty()) RemoveItem(Count() - 1);
  GraphItems.clear();
}

void TqxCtrlAdapter::CleanItems() {
  for (int i = 0; i < Count();) {
    const TqxAdapterItem& item = *Items[static_cast<size_t>(i)];
    if (!item.ScrollWnd || item.ScrollWnd->Destroyed) RemoveItem(i);  // the last one moved here: look again
    else ++i;
  }
}

void TqxCtrlAdapter::WndProc(TMessage& message) {
  // Only news goes to every wrapped window; a command carrying an address is a question to one receiver,
  // and passing it on would make someone else's message look like our own send.
  if (message.Msg == SkinCommandMsg && SkinCommandCarriesAddress(SkinCommandCode(message.WParam))) return;
  // A copy of the windows first: a receiver may change the items. A detached wrapper's control may be
  // gone, so nothing of it is read.
  std::vector<HWND> windows;
  for (const auto& item : Items)
    if (item->ScrollWnd && !item->ScrollWnd->Destroyed && item->HasParent())
      if (HWND wnd = item->Window()) windows.push_back(wnd);
  for (HWND wnd : windows)
    if (IsWindow(wnd)) message.Result = SendToWindow(wnd, message);
}

}  // namespace qw
