#pragma once
// Wrappers for the standard BUTTON and STATIC child windows of a window the engine skins from outside
// (a system dialog): the class and the type field of the style choose the wrapper, as the control
// adapter's class lists choose one for a framework control.
//
//   BUTTON  push, default, split, command link     TqxBtnWnd       "BUTTON"
//           check box, three-state, radio button   TqxCheckBoxWnd  "CHECKBOX"
//           group box                              TqxGroupBoxWnd  "GROUPBOX"
//           owner-draw, user button                none: its owner paints it
//   STATIC  texts, black rectangle, frames         TqxStaticWnd    "CHECKBOX"
//           icon, bitmap                           TqxIconWnd      "CHECKBOX"
//           icon, bitmap with a static edge        TqxEdgeWnd      "EDIT"
//           owner-draw, grey or white rectangle,   none
//           metafile
#include <windows.h>

#include <memory>

namespace qw {

class TqxMainWnd;
class TsSkinManager;

// The attached wrapper of Wnd, or null: a window of another class, a type left to the system or its
// owner, or a window already skinned. Manager: the skin manager to paint with (null for
// the default one). DlgMode: the window belongs to a system dialog being skinned.
std::unique_ptr<TqxMainWnd> WrapStdChild(HWND wnd, TsSkinManager* manager, bool dlgMode);

}  // namespace qw
