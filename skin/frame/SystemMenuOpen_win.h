#pragma once
// The one place the frame opens a form's system menu (from its icon, from a right click on its caption
// and from Alt+Space): the skinned system menu, its commands as the form offers them, the skins' submenu
// when the provider asks for it, and the chosen command posted to the form as WM_SYSCOMMAND.
#include <windows.h>

namespace qw {

// Opens the system menu of Form with its top-left corner at the screen point At.
void OpenSystemMenu(HWND form, POINT at);

}  // namespace qw
