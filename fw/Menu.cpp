#include "fw/Menu.h"

#include <utility>

#include "fw/Application.h"
#include "fw/Control.h"
#include "fw/Form.h"
#include "fw/ImageList.h"
#include "fw/WideText.h"
#include "image/BitmapFill.h"

namespace qw {

// ---- TMenu -------------------------------------------------------------------------------------------

TMenu::TMenu() { FRoot.SetListener(this); }

TMenu::~TMenu() {
  FRoot.SetListener(nullptr);
  DiscardHandle();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

bool TMenu::DispatchCommand(uint16_t command) {
  TMenuItem* item = command != 0 ? FindItem(command) : nullptr;
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::SetImages(TImageList* images) {
  if (images == FImages) return;
  FImages = images;
  MenuChanged(FRoot);
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == FOwnerDraw) return;
  FOwnerDraw = value;
  MenuChanged(FRoot);
}

void TMenu::MenuChanged(TMenuItem&) { DiscardHandle(); }

void TMenu::DiscardHandle() {
  if (FHandle) DestroyMenu(FHandle);
  FHandle = nullptr;
  FBitmaps.clear();
}

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle = CreateEmptyMenu();
    FillMenu(FHandle, FRoot);
  }
  return FHandle;
}

HBITMAP TMenu::ItemBitmap(const TMenuItem& item) {
  const TBitmap32* picture = &item.Bitmap();
  if (picture->Empty() && FImages) picture = FImages->Image(item.ImageIndex());
  if (!picture || picture->Empty()) return nullptr;
  // The system draws a menu's 32-bit picture with premultiplied alpha.
  TBitmap32& copy = FBitmaps.emplace_back(picture->Clone());
  PremultiplyExact(copy);
  return static_cast<HBITMAP>(copy.NativeHandle());
}

void TMenu::FillMenu(HMENU menu, TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
    info.wID = item.Command();
    if (item.Break() == mbBreak) info.fType |= MFT_MENUBREAK;
    if (item.Break() == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    if (FOwnerDraw) info.fType |= MFT_OWNERDRAW;
    // The text stays with owner-drawn items too: the system finds their access keys in it.
    std::wstring text;
    if (item.IsSeparator()) {
      info.fType |= MFT_SEPARATOR;
    } else {
      text = Wide(item.Caption());
      const std::u16string shortCut = ShortCutToText(item.ShortCut());
      if (!shortCut.empty()) text += L'\t' + Wide(shortCut);
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
      if (item.RadioItem()) info.fType |= MFT_RADIOCHECK;
      info.fState = (item.Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item.Checked() ? MFS_CHECKED : 0u) |
                    (item.Default() ? MFS_DEFAULT : 0u);
      if (!FOwnerDraw) {
        if (HBITMAP bitmap = ItemBitmap(item)) {
          info.fMask |= MIIM_BITMAP;
          info.hbmpItem = bitmap;
        }
      }
      if (item.Count() > 0) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = CreatePopupMenu();
        FillMenu(info.hSubMenu, item);
      }
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

// ---- TPopupMenu ----------------------------------------------------------------------------------------

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == PopupComponent) PopupComponent = nullptr;
}

void TPopupMenu::MenuChanged(TMenuItem& source) {
  // The open menu, with its pictures, must live until it closes (it is discarded then).
  if (FTracking) return;
  TMenu::MenuChanged(source);
}

void TPopupMenu::Popup(int x, int y) {
  DiscardHandle();
  HMENU menu = Handle();
  HWND owner = WindowHandle();
  if (auto* control = dynamic_cast<TControl*>(PopupComponent); control && !owner)
    if (TForm* form = control->GetParentForm()) owner = form->Handle();
  if (!owner && Application().MainForm) owner = Application().MainForm->Handle();
  // The menu's own loop runs every other message meanwhile; one of them may destroy this menu.
  TDestroyWatch watch(this);
  FTracking = true;
  FChosen = 0;
  UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (watch.Destroyed()) return;
  FTracking = false;
  if (chosen == 0) chosen = std::exchange(FChosen, uint16_t{0});
  // The closed menu is not kept (the next Popup makes it anew): its windows and pictures go now.
  DiscardHandle();
  DispatchCommand(static_cast<uint16_t>(chosen));
}

void TPopupMenu::ChooseWhileOpen(uint16_t command) {
  if (!FTracking || !FindItem(command)) return;
  FChosen = command;
  EndMenu();
}

// ---- TMainMenu ---------------------------------------------------------------------------------------------

TMainMenu::~TMainMenu() { SetWindowHandle(nullptr); }

bool TMainMenu::HasVisibleItems() const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Visible()) return true;
  return false;
}

void TMainMenu::SetWindowHandle(HWND window) {
  if (window == WindowHandle()) return;
  if (HWND old = WindowHandle(); old && IsWindow(old) && HandleIfMade() && GetMenu(old) == HandleIfMade())
    SetMenu(old, nullptr);
  TMenu::SetWindowHandle(window);
  UpdateWindowMenu();
}

void TMainMenu::MenuChanged(TMenuItem& source) {
  HWND window = WindowHandle();
  const bool shown = window && IsWindow(window) && !IsDestroying();
  // A window destroys the bar it holds: it lets go of the old one before that is destroyed here.
  if (shown && HandleIfMade() && GetMenu(window) == HandleIfMade()) SetMenu(window, nullptr);
  TMenu::MenuChanged(source);
  if (shown) UpdateWindowMenu();
}

void TMainMenu::UpdateWindowMenu() {
  HWND window = WindowHandle();
  if (!window || !IsWindow(window)) return;
  SetMenu(window, HasVisibleItems() ? Handle() : nullptr);
  DrawMenuBar(window);
  if (TWinControl* form = TWinControl::FromHandle(window)) form->Perform(FW_MENU_CHANGED);
}

// ---- Every form's menus ------------------------------------------------------------------------------------

void ForEachFormMenu(const std::function<void(TMenu&)>& visit) {
  for (int f = 0; f < Application().FormCount(); ++f) {
    TForm* form = Application().Forms(f);
    for (int c = 0; c < form->ComponentCount(); ++c)
      if (auto* menu = dynamic_cast<TMenu*>(form->Components(c))) visit(*menu);
  }
}

}  // namespace qw
