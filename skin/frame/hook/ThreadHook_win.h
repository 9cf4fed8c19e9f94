#pragma once
// The window-creation hook of the user-interface thread: it sees every window the thread creates, so
// the skin reaches windows the program did not build. Popup-menu windows get the menu-window wrapper
// while the default manager skins popups.
#include <windows.h>

namespace qw {

class TsSkinManager;

// Installs the hook once (for the user-interface thread) and keeps it in step with the default
// manager: in place after each announcement of a skin, removed when the skin is removed.
void InstallSkinThreadHook();
// Removes the hook now (the manager goes, or the program ends).
void RemoveSkinThreadHook();
bool SkinThreadHookInstalled();

}  // namespace qw
