#include "skin/frame/menu/MenuAccess_win.h"

#include <iterator>

#include "fw/Menu.h"
#include "fw/WideText.h"
#include "skin/frame/menu/SystemMenu_win.h"

namespace qw {

namespace {

// Wine's menu windows raise no accessibility events; Windows' raise them all.
bool SystemAnnouncesMenus() {
  static const bool announces = !GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
  return announces;
}

TMenuItemFlags FlagsOf(const MENUITEMINFOW& info) {
  TMenuItemFlags f;
  f.Separator = (info.fType & MFT_SEPARATOR) != 0;
  f.Enabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
  f.Checked = (info.fState & MFS_CHECKED) != 0;
  f.Hot = (info.fState & MFS_HILITE) != 0;
  f.Submenu = info.hSubMenu != nullptr;
  return f;
}

// What the popup is called: the item it drops from, else what kind of menu it is.
std::u16string PopupName(HMENU menu) {
  const UINT first = menu && GetMenuItemCount(menu) > 0 ? GetMenuItemID(menu, 0) : static_cast<UINT>(-1);
  TMenuItem* item = first <= kHighestMenuCommand ? MenuItemOfCommand(static_cast<uint16_t>(first)) : nullptr;
  if (!item) return u"Меню";
  if (TMenuItem* parent = item->Parent(); parent && parent->Parent()) return StripMnemonic(parent->Caption());
  return dynamic_cast<TsSystemMenu*>(item->Root().Listener()) ? u"Системное меню" : u"Контекстное меню";
}

}  // namespace

HMENU TqxMenuAccess::Menu() const { return reinterpret_cast<HMENU>(SendMessageW(FWnd, MN_GETHMENU, 0, 0)); }

int TqxMenuAccess::HotItem() const {
  HMENU menu = Menu();
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i)
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  return -1;
}

void TqxMenuAccess::Shown() {
  if (FShown) return;
  FShown = true;
  FFocused = -1;
  // The window may show another menu than last time: its items are noted afresh.
  FHost.AnnounceChanges(nullptr);
  if (!SystemAnnouncesMenus()) NotifyAccessEvent(EVENT_SYSTEM_MENUPOPUPSTART, FWnd);
}

void TqxMenuAccess::Hidden() {
  if (!FShown) return;
  FShown = false;
  if (!SystemAnnouncesMenus()) NotifyAccessEvent(EVENT_SYSTEM_MENUPOPUPEND, FWnd);
}

void TqxMenuAccess::ItemPainted() {
  if (!FShown || SystemAnnouncesMenus()) return;
  // An item painted anew may read otherwise (checked, greyed, renamed); the hot one is told as focus.
  FHost.AnnounceChanges(FWnd);
  const int hot = HotItem();
  if (hot < 0 || hot == FFocused) return;
  FFocused = hot;
  NotifyAccessEvent(EVENT_OBJECT_FOCUS, FWnd, hot + 1);
}

void TqxMenuAccess::DoAccessDefaultAction(int id) {
  HMENU menu = Menu();
  const UINT command = menu && id > 0 ? GetMenuItemID(menu, id - 1) : static_cast<UINT>(-1);
  const UINT state = menu && id > 0 ? GetMenuState(menu, static_cast<UINT>(id - 1), MF_BYPOSITION) : 0;
  if (command > kHighestMenuCommand || (state & (MF_DISABLED | MF_GRAYED | MF_SEPARATOR))) return;
  TMenuItem* item = MenuItemOfCommand(static_cast<uint16_t>(command));
  if (auto* popup = item ? dynamic_cast<TPopupMenu*>(item->Root().Listener()) : nullptr)
    popup->ChooseWhileOpen(static_cast<uint16_t>(command));
}

void TqxMenuAccess::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  HMENU menu = Menu();
  self.Kind = TAccessKind::MenuPopup;
  self.Caption = PopupName(menu);
  self.Showing = IsWindowVisible(FWnd) != FALSE;
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text) - 1);
    // An item that cannot be read keeps its place: the elements' ids are the items' positions + 1.
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) info.fType = info.fState = 0, info.hSubMenu = nullptr;
    TAccessElement e;
    e.Facts = MenuItemFacts(U16(text), FlagsOf(info));
    e.Facts.Showing = self.Showing;
    RECT r{};
    if (GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r)) {
      MapWindowPoints(nullptr, FWnd, reinterpret_cast<POINT*>(&r), 2);
      e.Bounds = TRect{r.left, r.top, r.right, r.bottom};
    }
    elements.push_back(std::move(e));
  }
}

}  // namespace qw
