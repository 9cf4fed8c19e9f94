#pragma once
// TqxMenuAccess: a skinned popup menu's window as a screen reader reads it: a menu popup whose elements
// are its items, read from the system's menu the window shows (names without their access-key marks,
// the key after the tab, checked, greyed, hot and submenu states; an item's default action chooses
// it), and the events of a menu: the popup shown and
// hidden, and the focus moving to the hot item. Windows raises those for its menu windows itself; Wine
// raises none, so the wrapper raises them there, once each.
#include <windows.h>

#include "skin/access/AccessHost_win.h"

namespace qw {

class TqxMenuAccess final : public TAccessSource {
 public:
  explicit TqxMenuAccess(HWND wnd) : FWnd(wnd) {}
  // WM_GETOBJECT: answers the client object of the menu window.
  bool Answer(WPARAM flags, LPARAM objectId, LRESULT& result) { return FHost.Answer(FWnd, flags, objectId, result); }
  // The window was shown or hidden (or is going): the popup's start and end, once each.
  void Shown();
  void Hidden();
  // An item was painted: what changed in the items (a check, a greyed item) is announced, and when the
  // hot item is another one than last time, its focus.
  void ItemPainted();

  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  // Chooses the item as a click would: the menu closes and the item runs.
  void DoAccessDefaultAction(int id) override;

 private:
  HMENU Menu() const;
  // The position of the hot item, or -1.
  int HotItem() const;

  HWND FWnd;
  bool FShown = false;
  int FFocused = -1;
  TAccessHost FHost{*this};
};

}  // namespace qw
