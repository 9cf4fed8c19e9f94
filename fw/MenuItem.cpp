#include "fw/MenuItem.h"

#include <algorithm>
#include <unordered_map>

namespace qw {

namespace {

// Every item alive by its command: the system reports a chosen or owner-drawn item by that number only.
std::unordered_map<uint16_t, TMenuItem*>& LiveItems() {
  static std::unordered_map<uint16_t, TMenuItem*> items;
  return items;
}

TMenuCommandPool& CommandPool() {
  static TMenuCommandPool pool(kHighestMenuCommand);
  return pool;
}

}  // namespace

TMenuItemKind MenuItemKindOf(std::u16string_view caption) {
  if (caption == u"-") return TMenuItemKind::Separator;
  if (caption.size() >= 3 && caption.front() == u'-' && caption.back() == u'-') return TMenuItemKind::Caption;
  return TMenuItemKind::Normal;
}

std::u16string_view MenuCaptionTitle(std::u16string_view caption) {
  if (MenuItemKindOf(caption) != TMenuItemKind::Caption) return caption;
  return caption.substr(1, caption.size() - 2);
}

// ---- Command numbers -------------------------------------------------------------------------------

uint16_t TMenuCommandPool::Take() {
  const auto it = std::find(FUsed.begin() + 1, FUsed.end(), false);
  if (it == FUsed.end()) return 0;
  *it = true;
  return static_cast<uint16_t>(it - FUsed.begin());
}

void TMenuCommandPool::Give(uint16_t command) {
  if (command != 0 && command < FUsed.size()) FUsed[command] = false;
}

TMenuItem* MenuItemOfCommand(uint16_t command) {
  const auto it = LiveItems().find(command);
  return it == LiveItems().end() ? nullptr : it->second;
}

// ---- Life --------------------------------------------------------------------------------------------

TMenuItem::TMenuItem() : FCommand(CommandPool().Take()) {
  if (FCommand != 0) LiveItems()[FCommand] = this;
}

TMenuItem::~TMenuItem() {
  if (FCommand != 0) {
    LiveItems().erase(FCommand);
    CommandPool().Give(FCommand);
  }
  FListener = nullptr;
  for (TMenuItem* item : FItems) item->FParent = nullptr;
  FItems.clear();
  if (FParent) FParent->Remove(this);
}

// ---- The tree ----------------------------------------------------------------------------------------

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  // An item cannot hold an item above it: that would make the tree a loop.
  for (const TMenuItem* above = this; above; above = above->FParent)
    if (above == item) return;
  if (item->FParent) item->FParent->Unlink(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  if (IndexOf(item) < 0) return;
  Unlink(item);
  Changed();
}

void TMenuItem::Unlink(TMenuItem* item) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), item), FItems.end());
  item->FParent = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem& TMenuItem::Root() {
  TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return *item;
}

TMenuItem* TMenuItem::FindByCommand(uint16_t command) {
  TMenuItem* found = MenuItemOfCommand(command);
  return found && &found->Root() == &Root() ? found : nullptr;
}

void TMenuItem::Changed() {
  if (TMenuListener* listener = Root().FListener) listener->MenuChanged(*this);
}

void ForEachMenuItem(TMenuItem& root, const std::function<void(TMenuItem&)>& visit) {
  // A copy: a visit may change the list it came from.
  const std::vector<TMenuItem*> items = [&root] {
    std::vector<TMenuItem*> list;
    for (int i = 0; i < root.Count(); ++i) list.push_back(root.Items(i));
    return list;
  }();
  for (TMenuItem* item : items) {
    visit(*item);
    ForEachMenuItem(*item, visit);
  }
}

TMenuItem* FindShortCutItem(TMenuItem& root, TShortCut shortCut) {
  if (shortCut == scNone) return nullptr;
  for (int i = 0; i < root.Count(); ++i) {
    TMenuItem& item = *root.Items(i);
    if (!item.Enabled() || !item.Visible()) continue;
    if (item.ShortCut() == shortCut) return &item;
    if (TMenuItem* below = FindShortCutItem(item, shortCut)) return below;
  }
  return nullptr;
}

// ---- Properties ----------------------------------------------------------------------------------------

void TMenuItem::SetCaption(std::u16string caption) {
  if (caption == FCaption) return;
  FCaption = std::move(caption);
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == FShortCut) return;
  FShortCut = shortCut;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  if (checked && FRadioItem) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetRadioItem(bool radio) {
  if (radio == FRadioItem) return;
  FRadioItem = radio;
  if (radio && FChecked) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetGroupIndex(int index) {
  if (index == FGroupIndex) return;
  FGroupIndex = index;
  if (FRadioItem && FChecked) TurnSiblingsOff();
  Changed();
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* sibling : FParent->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (value == FBreak) return;
  FBreak = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  Changed();
}

void TMenuItem::SetBitmap(TBitmap32 bitmap) {
  FBitmap = std::move(bitmap);
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  Changed();
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  TDestroyWatch watch(this);
  if (AutoCheck) SetChecked(!FChecked);
  if (!watch.Destroyed()) CallEvent(OnClick, this);
}

}  // namespace qw
