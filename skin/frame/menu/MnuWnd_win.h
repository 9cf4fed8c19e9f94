#pragma once
// TqxMnuWnd: the wrapper of a popup menu window ("#32768") while a skinned menu is open. It frames the
// menu from its level picture (border, the strips the items leave, the extra line), cuts the corners
// the skin's border leaves out, and keeps the window translucent when the menu settings ask for it.
//
// The window hook makes one wrapper per menu window. Wrappers are kept only while their windows live:
// when the window is destroyed its wrapper leaves the list and is freed once its last message is done.
#include <windows.h>

#include "skin/controls/WndWrapper_win.h"
#include "skin/frame/menu/MenuAccess_win.h"

namespace qw {

class TqxMnuWnd : public TqxMainWnd {
 public:
  TqxMnuWnd(HWND wnd, TsSkinManager* manager);
  const char* ClassName() const override { return "TqxMnuWnd"; }
  void qxWndProc(TMessage& message) override;
  // One of the window's items was painted (the hot item may have moved).
  void ItemPainted() { FAccess.ItemPainted(); }

 protected:
  bool SwitchesThemeOff() const override { return false; }

 private:
  void OnPaint(TMessage& message);
  void OnWindowPosChanged(TMessage& message, const WINDOWPOS& pos);
  void OnDestroy(TMessage& message);
  // Copies the level picture to the window wherever no item has painted itself, and cuts the corners.
  void PaintFrame();

  TqxMenuAccess FAccess;
};

// Wraps a menu window (once; nothing without a skinning manager).
void AttachMenuWindow(HWND wnd);
// How many menu windows have a wrapper now.
int MenuWindowWrapperCount();

}  // namespace qw
