#pragma once
// The popup menus' skinning lives a layer above the controls. It registers its hook here, so that a
// skinned control, a window wrapper or a scroll bar can have its popup menu skinned just before the
// menu opens (on WM_CONTEXTMENU), without knowing anything of how menus are painted.
namespace qw {

class TControl;
class TMenu;
class TsSkinManager;

// Makes a menu skinned (Active) or plain again, for the given manager (null: the default one).
using TPopupMenuHook = void (*)(TMenu& menu, TsSkinManager* manager, bool active);
void SetPopupMenuHook(TPopupMenuHook hook);

// The control's popup menu, if it has one, hooked for skinning (nothing before a hook is registered).
void HookControlPopupMenu(TControl* control, TsSkinManager* manager);

}  // namespace qw
