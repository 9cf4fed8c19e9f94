#pragma once
// The skin editor's preview mode: a program started with "/qxpreview" announces its window to the
// editor and then takes skins from it (a skin name, its folder and a description text to show in place
// of the skin's own). What comes from the other process is checked before use.
#include <windows.h>

#include "fw/Messages.h"

namespace qw {

class TsSkinProvider;

// The editor's message: announcing a window (3), closing it (1), asking whether it listens (4).
inline constexpr UINT kPreviewMessage = 0xA400;
inline constexpr WPARAM kPreviewClose = 1, kPreviewAnnounce = 3, kPreviewPing = 4;
// The WPARAM a preview record arrives with.
inline constexpr WPARAM kPreviewRecordTag = 7;
// The editor's window title.
inline constexpr wchar_t kPreviewEditorTitle[] = L"Vellorans Editor";

// The program was started for the editor (its first argument is exactly "/qxpreview"); tests set it.
bool PreviewModeOn();
void SetPreviewMode(bool on);

// Tells the editor about the form's window (once, for the first form shown): up to 101 times, each
// with a timeout, until the editor answers 1; nothing when there is no editor.
void AnnounceToPreviewEditor(HWND form);

// The preview messages reaching a skinned form (kPreviewMessage and WM_COPYDATA).
void OnPreviewMessage(TsSkinProvider& provider, TMessage& message);

}  // namespace qw
