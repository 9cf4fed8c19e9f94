#include "skin/frame/SystemMenuOpen_win.h"

#include "skin/frame/SkinProvider_win.h"
#include "skin/frame/menu/SystemMenu_win.h"

namespace qw {

// The skinned system menu offers what the form's border icons and style allow, greys what its state
// forbids, and posts the chosen command: Close never frees the form inside the menu's own message.
void OpenSystemMenu(HWND form, POINT at) {
  const TsSkinProvider* provider = TsSkinProvider::FromWindow(form);
  ShowSkinnedSystemMenu(form, at, provider && provider->MakeSkinMenu, provider ? &provider->SysSubMenu : nullptr);
}

}  // namespace qw
