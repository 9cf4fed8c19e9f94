#pragma once
// TqxComboListWnd: the wrapper of a combo box's drop-down list: the skin's frame ring and scroll bar
// around the items (which the combo box draws itself), the wrapper's colour below the last item.
#include "skin/controls/EditWnd_win.h"

namespace qw {

class TqxComboListWnd : public TqxEditWnd {
 public:
  // SimplyBox: the list always shown below the field (no drop-down). SkinData: null for an own one.
  TqxComboListWnd(HWND list, bool simplyBox, bool scrollBars, std::u16string_view section, TsSkinManager* manager,
                  TsCommonData* skinData);
  const char* ClassName() const override { return "TqxComboListWnd"; }
  void qxWndProc(TMessage& message) override;

  bool Showed = false;  // the list is open and tracking the mouse
  bool SimplyBox = false;

 private:
  void WMEraseBkgnd(TMessage& message, HDC dc);
  // The simple box's list may end above the box's bottom: the strip between shows the box's parent.
  void PaintStripBelow();
};

}  // namespace qw
