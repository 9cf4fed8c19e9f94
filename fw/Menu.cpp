#include "fw/Menu.h"

#include <algorithm>

#include "fw/Application.h"
#include "fw/Control.h"
#include "fw/Form.h"

namespace qw {

void TMenuItem::Click() {
  if (Enabled) CallEvent(OnClick, this);
}

TPopupMenu::~TPopupMenu() {
  if (FMenu) DestroyMenu(FMenu);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FItems.erase(std::remove(FItems.begin(), FItems.end(), component), FItems.end());
  if (component == PopupComponent) PopupComponent = nullptr;
}

void TPopupMenu::Rebuild() {
  if (FMenu) DestroyMenu(FMenu);
  FMenu = CreatePopupMenu();
  UINT id = 1;
  for (TMenuItem* item : FItems) {
    const UINT itemId = id++;
    if (!item->Visible) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    if (item->IsSeparator()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
      info.wID = itemId;
      info.dwTypeData = const_cast<wchar_t*>(item->Caption.c_str());
      info.fState = item->Enabled ? MFS_ENABLED : MFS_DISABLED;
      if (!item->Bitmap.Empty()) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = item->Bitmap.PremultipliedHandle();
      }
    }
    InsertMenuItemW(FMenu, GetMenuItemCount(FMenu), TRUE, &info);
  }
}

HMENU TPopupMenu::Handle() {
  if (!FMenu) Rebuild();
  return FMenu;
}

void TPopupMenu::Popup(int x, int y) {
  Rebuild();
  HWND owner = nullptr;
  if (auto* control = dynamic_cast<TControl*>(PopupComponent))
    if (TForm* form = control->GetParentForm()) owner = form->Handle();
  if (!owner && Application().MainForm) owner = Application().MainForm->Handle();
  // The menu's own loop runs every other message meanwhile; one of them may destroy this menu.
  TDestroyWatch watch(this);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(FMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (!watch.Destroyed() && chosen >= 1 && chosen <= FItems.size()) FItems[chosen - 1]->Click();
}

}  // namespace qw
