#include "skin/controls/CtrlAdapter_win.h"

#include <algorithm>

#include "fw/Form.h"
#include "fw/WinControl.h"
#include "skin/controls/ComboBoxWnd_win.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/controls/ListWnd_win.h"
#include "skin/controls/SBWnd_win.h"
#include "skin/controls/SectionWnd_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/controls/TabControlWnd_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

// Wrapping runs once at a time: what a wrapper does while it is made must not start another round.
bool GAddingItems = false;

class TAddingScope {
 public:
  TAddingScope() { GAddingItems = true; }
  ~TAddingScope() { GAddingItems = false; }
  TAddingScope(const TAddingScope&) = delete;
  TAddingScope& operator=(const TAddingScope&) = delete;
};

bool IsPlainLabel(const TControl* control) { return std::string(control->ClassName()) == "TLabel"; }

// The wrapper of a category; null for the categories whose controls are wrapped elsewhere (buttons, bit
// buttons) or have no window (speed buttons).
std::unique_ptr<TqxMainWnd> MakeWrapper(int category, HWND wnd, TsSkinManager* manager, TsCommonData* skinData) {
  switch (category) {
    case tcEdits:
    case tcGrids:
    case tcExtGrids:
    case tcExtTrees:
      return TqxMainWnd::Create<TqxEditWnd>(wnd, true, u"", manager, skinData);
    case tcComboEdits:
      return TqxMainWnd::Create<TqxEditWnd>(wnd, true, u"COMBOBOX", manager, skinData);
    case tcComboBoxes:
      return TqxMainWnd::Create<TqxComboBoxWnd>(wnd, u"", manager, skinData);
    case tcScrollControls:
      return TqxMainWnd::Create<TqxEditWnd>(wnd, true, u"PANEL_LOW", manager, skinData);
    case tcListViews:
      return TqxMainWnd::Create<TqxListViewWnd>(wnd, u"", manager, skinData);
    case tcTreeViews:
      return TqxMainWnd::Create<TqxTreeViewWnd>(wnd, u"", manager, skinData);
    case tcCheckBoxes:
      return TqxMainWnd::Create<TqxCheckBoxWnd>(wnd, u"", manager, skinData);
    case tcGroupBoxes:
      return TqxMainWnd::Create<TqxGroupBoxWnd>(wnd, u"", manager, skinData);
    case tcPanels:
      return TqxMainWnd::Create<TqxPanelWnd>(wnd, u"", manager, skinData);
    case tcToolBars:
      return TqxMainWnd::Create<TqxToolBarWnd>(wnd, u"", manager, skinData);
    case tcStatusBars:
      return TqxMainWnd::Create<TqxStatusBarWnd>(wnd, u"", manager, skinData);
    case tcUpDowns:
      return TqxMainWnd::Create<TqxSpinWnd>(wnd, u"", manager, skinData);
    case tcPageControls:
      return TqxMainWnd::Create<TqxPageControlWnd>(wnd, u"", manager, skinData);
    case tcTabControls:
      return TqxMainWnd::Create<TqxTabControlWnd>(wnd, u"", manager, skinData);
    case tcScrollBars:
      return TqxMainWnd::Create<TqxSBWnd>(wnd, u"", manager, skinData);
    default:
      return nullptr;
  }
}

}  // namespace

int ThirdPartyCategory(const TsSkinManager& manager, const std::string& className) {
  const std::u16string name(className.begin(), className.end());
  const TThirdPartyLists& lists = manager.ThirdLists();
  for (int i = 0; i < kThirdPartyCount; ++i) {
    const auto& list = lists[static_cast<size_t>(i)];
    if (std::find(list.begin(), list.end(), name) != list.end()) return i;
  }
  return -1;
}

// ---- Items ---------------------------------------------------------------------------------------------

TqxAdapterItem::TqxAdapterItem(TqxCtrlAdapter* adapter, TWinControl* control)
    : WinCtrl(control), SkinData(std::make_unique<TsCommonData>(control, true)), Adapter(adapter) {}

TqxAdapterItem::~TqxAdapterItem() {
  // The wrapper goes first: it paints with the item's skin data until it has given the window back.
  ReleaseWrapper(std::move(ScrollWnd));
  SkinData.reset();
}

// ---- Adapter --------------------------------------------------------------------------------------------

TqxCtrlAdapter::TqxCtrlAdapter(TForm& form, TComponent* provider, TsSkinManager* manager)
    : Provider(provider), FForm(form), FManager(manager) {}

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

bool TqxCtrlAdapter::IsControlSupported(TComponent* component) const {
  auto* control = dynamic_cast<TControl*>(component);
  if (!control || control->Tag == kTagNotWrapped) return false;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (!w->HandleAllocated() || IsSkinnedWindow(w->Handle())) return false;
    // A form in a form is skinned by a frame component of its own, not by a wrapper.
    if (dynamic_cast<TForm*>(w)) return false;
  } else if (IsPlainLabel(control)) {
    return true;
  }
  const TsSkinManager* m = Manager();
  return m && ThirdPartyCategory(*m, control->ClassName()) >= 0;
}

void TqxCtrlAdapter::AddAllItems(TWinControl* owner) {
  const TsSkinManager* m = Manager();
  if (!m || !(m->SkinningRules() & srThirdParty) || GAddingItems) return;
  TAddingScope scope;
  CleanItems();
  AddItemsOf(owner ? owner : &FForm);
}

void TqxCtrlAdapter::AddItemsOf(TWinControl* owner) {
  const auto visit = [this](TComponent* component, bool child) {
    auto* control = dynamic_cast<TControl*>(component);
    if (!control) return;
    auto* w = dynamic_cast<TWinControl*>(control);
    if (IsControlSupported(control)) {
      if (w) AddNewItem(w);
      else if (IsPlainLabel(control)) TakeOverLabel(control);
      else if (child && ThirdPartyCategory(*Manager(), control->ClassName()) == tcSpeedButtons) AddNewGraphItem(control);
    }
    if (w && w->HandleAllocated() && (w->ComponentCount() > 0 || w->ControlCount() > 0)) AddItemsOf(w);
  };
  // Copies: wrapping may add or remove children.
  std::vector<TComponent*> components;
  for (int i = 0; i < owner->ComponentCount(); ++i) components.push_back(owner->Components(i));
  std::vector<TControl*> children;
  for (int i = 0; i < owner->ControlCount(); ++i) children.push_back(owner->Controls(i));
  for (TComponent* c : components) visit(c, false);
  for (TControl* c : children) visit(c, true);
}

void TqxCtrlAdapter::TakeOverLabel(TControl* label) {
  if (label->Tag == kTagKeepLabel) return;
  label->ControlStyle &= ~static_cast<uint32_t>(csOpaque);
  const TsSkinManager* m = Manager();
  const TColor color = m ? static_cast<TColor>(m->GetGlobalFontColor()) : clNoColor;
  if (color != clNoColor && label->Font().Color() != color) label->Font().SetColor(color);
}

void TqxCtrlAdapter::AddNewItem(TWinControl* control) { AddNewItem(control, DefaultSection); }

void TqxCtrlAdapter::AddNewItem(TWinControl* control, std::u16string_view section) {
  if (!control || control->Tag == kTagNotWrapped || !control->Parent() || !control->HandleAllocated()) return;
  if (IsSkinnedWindow(control->Handle())) return;
  std::u16string chosen(section);
  bool allow = true;
  if (OnSkinItem) OnSkinItem(control, allow, chosen);
  if (!allow) return;
  const int found = IndexOf(control);
  TqxAdapterItem* item = found >= 0 ? GetItem(found) : nullptr;
  if (!item) {
    Items.push_back(std::make_unique<TqxAdapterItem>(this, control));
    item = Items.back().get();
  }
  if (item->SkinData && !chosen.empty()) item->SkinData->SetSkinSection(chosen);
  if (!item->ScrollWnd || item->ScrollWnd->Destroyed) {
    ReleaseWrapper(std::move(item->ScrollWnd));
    if (!item->SkinData) item->SkinData = std::make_unique<TsCommonData>(control, true);
    DoHook(*item);
  }
  if (found < 0 && !item->ScrollWnd) RemoveItem(IndexOf(control));
}

void TqxCtrlAdapter::AddNewGraphItem(TControl* control) {
  if (control && control->Tag != kTagNotWrapped && std::find(GraphItems.begin(), GraphItems.end(), control) == GraphItems.end())
    GraphItems.push_back(control);
}

void TqxCtrlAdapter::DoHook(TqxAdapterItem& item) {
  TWinControl* control = item.WinCtrl;
  if (!control->Parent() || !control->HandleAllocated() || IsSkinnedWindow(control->Handle())) return;
  TsSkinManager* m = Manager();
  if (!m) return;
  // The item's skin data resolves its section against the adapter's manager, not just the default one.
  if (FManager && item.SkinData) item.SkinData->SetSkinManager(FManager);
  std::unique_ptr<TqxMainWnd> wrapper =
      MakeWrapper(ThirdPartyCategory(*m, control->ClassName()), control->Handle(), FManager, item.SkinData.get());
  if (!wrapper) return;
  // The skin data belongs to the control: it goes while the control is still whole.
  wrapper->OnControlDestroyed = [&item](TqxMainWnd&) { item.SkinData.reset(); };
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
  // A copy of the windows first: a receiver may change the items.
  std::vector<HWND> windows;
  for (const auto& item : Items)
    if (item->ScrollWnd && !item->ScrollWnd->Destroyed && item->WinCtrl->Parent() && item->WinCtrl->HandleAllocated())
      windows.push_back(item->WinCtrl->Handle());
  for (HWND wnd : windows)
    if (IsWindow(wnd)) message.Result = SendToWindow(wnd, message);
}

}  // namespace qw
