#include "skin/frame/dialog/DialogSystemMenu_win.h"

#include "skin/frame/dialog/DialogWnd_win.h"

namespace qw {

TqxSystemMenu::TqxSystemMenu(TqxDialogWnd& owner) : TsSystemMenu(owner.CtrlHandle), FOwner(owner) {}

TSysMenuRules TqxSystemMenu::Rules() const { return DialogSysMenuRules(FOwner.State()); }

}  // namespace qw
