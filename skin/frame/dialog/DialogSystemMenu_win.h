#pragma once
// TqxSystemMenu: a skinned dialog's system menu. The skinned system menu of the frame, asked about the
// dialog's window commands by the dialog's rules (from the styles it had when the skinning began, since
// the wrapper takes the system-menu style away while it paints).
#include "skin/frame/menu/SystemMenu_win.h"

namespace qw {

class TqxDialogWnd;

class TqxSystemMenu : public TsSystemMenu {
 public:
  explicit TqxSystemMenu(TqxDialogWnd& owner);
  const char* ClassName() const override { return "TqxSystemMenu"; }
  TSysMenuRules Rules() const override;

 private:
  TqxDialogWnd& FOwner;
};

}  // namespace qw
