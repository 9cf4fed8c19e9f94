#pragma once
// Menus on the system: a TMenu holds a tree of TMenuItems (fw/MenuItem.h) and builds the system's menu
// from it, each item under its own lasting command number. TPopupMenu is tracked where the program asks
// and runs the chosen item; TMainMenu is a form's menu bar. Owner-drawn menus send their measuring and
// painting to the items' handlers; every menu of every form can be visited.
#include <windows.h>

#include <functional>
#include <vector>

#include "fw/MenuItem.h"

namespace qw {

class TControl;
class TImageList;

class TMenu : public TComponent, public TMenuListener {
 public:
  TMenu();
  ~TMenu() override;
  void Notification(TComponent* component, TOperation operation) override;

  // The tree's top: the items of the menu are its sub-items.
  TMenuItem& Root() { return FRoot; }
  void Add(TMenuItem* item) { FRoot.Add(item); }
  int Count() const { return FRoot.Count(); }
  TMenuItem* Items(int index) const { return FRoot.Items(index); }
  // The item of this menu with the command, or nullptr.
  TMenuItem* FindItem(uint16_t command) { return FRoot.FindByCommand(command); }
  // Runs the item of this menu with the command; false when the menu has none.
  bool DispatchCommand(uint16_t command);

  // Pictures for items without a bitmap of their own, by ImageIndex.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Every item is measured and painted by its handlers (or the framework's plain look).
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);
  // The window that owns the system's menu and gets its messages (a popup's tracking window, the form
  // of a menu bar); null lets the menu choose.
  HWND WindowHandle() const { return FWindowHandle; }
  virtual void SetWindowHandle(HWND window) { FWindowHandle = window; }

  // The system's menu as the tree stands, made when asked for after a change.
  HMENU Handle();

 protected:
  // The system's empty menu of this kind: a popup menu or a menu bar.
  virtual HMENU CreateEmptyMenu() const = 0;
  // The tree changed: the system's menu is made again when next asked for.
  void MenuChanged(TMenuItem& source) override;
  // Destroys the system's menu; the next Handle() makes it anew.
  void DiscardHandle();
  // The system's menu if it has been made, else null.
  HMENU HandleIfMade() const { return FHandle; }

 private:
  void FillMenu(HMENU menu, TMenuItem& parent);
  // A premultiplied copy of the item's picture (own or from Images) that the menu keeps while it shows it.
  HBITMAP ItemBitmap(const TMenuItem& item);

  TMenuItem FRoot;
  TImageList* FImages = nullptr;
  bool FOwnerDraw = false;
  HWND FWindowHandle = nullptr;
  HMENU FHandle = nullptr;
  std::vector<TBitmap32> FBitmaps;  // the pictures the system's menu shows
};

class TPopupMenu : public TMenu {
 public:
  const char* ClassName() const override { return "TPopupMenu"; }
  void Notification(TComponent* component, TOperation operation) override;

  // Shows the menu at a screen point and runs the chosen item.
  void Popup(int x, int y);
  // Chooses an item while the menu is open, as a click on it would (for assistive technology): the
  // menu closes and the item runs once Popup is back. Nothing while the menu is not open.
  void ChooseWhileOpen(uint16_t command);
  // The control the menu was last opened on.
  TControl* PopupComponent = nullptr;

 protected:
  HMENU CreateEmptyMenu() const override { return CreatePopupMenu(); }
  void MenuChanged(TMenuItem& source) override;

 private:
  bool FTracking = false;  // the system's menu is open: it must live until it closes
  uint16_t FChosen = 0;    // chosen while open, not by the system's menu
};

class TMainMenu : public TMenu {
 public:
  ~TMainMenu() override;
  const char* ClassName() const override { return "TMainMenu"; }
  // The form's window shows the bar; every change of the tree reaches it at once.
  void SetWindowHandle(HWND window) override;
  // A bar with no visible item is not shown at all.
  bool HasVisibleItems() const;

 protected:
  HMENU CreateEmptyMenu() const override { return CreateMenu(); }
  void MenuChanged(TMenuItem& source) override;

 private:
  // Gives the window the bar as the tree stands (or none) and tells its form (FW_MENU_CHANGED).
  void UpdateWindowMenu();
};

// Owner-drawn menu items: the system asks the menu's window to measure and paint them by their command
// number. True when the item is one of an owner-drawn menu of the framework and has been answered.
bool MeasureMenuItem(MEASUREITEMSTRUCT& item);
bool DrawMenuItem(const DRAWITEMSTRUCT& item);

// Visits every menu of every form, in the order the forms and their components were made.
void ForEachFormMenu(const std::function<void(TMenu&)>& visit);

}  // namespace qw
