#include "skin/core/PopupMenuHook_win.h"

#include "fw/Control.h"
#include "fw/Menu.h"

namespace qw {

namespace {

TPopupMenuHook& Hook() {
  static TPopupMenuHook hook = nullptr;
  return hook;
}

}  // namespace

void SetPopupMenuHook(TPopupMenuHook hook) { Hook() = hook; }

void HookControlPopupMenu(TControl* control, TsSkinManager* manager) {
  if (!control || !Hook()) return;
  if (TPopupMenu* menu = control->PopupMenu()) Hook()(*menu, manager, true);
}

}  // namespace qw
