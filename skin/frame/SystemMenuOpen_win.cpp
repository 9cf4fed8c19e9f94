#include "skin/frame/SystemMenuOpen_win.h"

#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

void SetItem(HMENU menu, UINT command, bool visible, bool enabled) {
  if (!visible) {
    DeleteMenu(menu, command, MF_BYCOMMAND);
    return;
  }
  EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void OpenSystemMenu(HWND form, POINT at) {
  HMENU menu = GetSystemMenu(form, FALSE);
  if (!menu) return;
  if (const TsSkinProvider* provider = TsSkinProvider::FromWindow(form)) {
    const TSysMenuRules r = provider->SysMenuRules();
    const bool iconic = IsIconic(form) != FALSE, normal = !iconic && !IsZoomed(form);
    SetItem(menu, SC_RESTORE, true, r.VisibleRestore && r.EnabledRestore);
    SetItem(menu, SC_MOVE, true, r.EnabledMove && !iconic);
    SetItem(menu, SC_SIZE, true, r.VisibleSize && r.EnabledSize && normal);
    SetItem(menu, SC_MINIMIZE, r.VisibleMin, r.EnabledMin);
    SetItem(menu, SC_MAXIMIZE, r.VisibleMax, r.EnabledMax);
    SetItem(menu, SC_CLOSE, true, r.VisibleClose);
  }
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, form, nullptr));
  if (command) PostMessageW(form, WM_SYSCOMMAND, command, 0);
}

}  // namespace qw
