#pragma once
// A skinned dialog's show and hide transitions. Shown: its finished picture (frame, background and the
// child windows printed into it) fades in, in a picture window at its place, before the dialog itself
// appears under it. Hidden: its last look on the screen fades out after it went.
#include <windows.h>

#include "image/Bitmap32.h"

namespace qw {

class TqxDialogWnd;

// The dialog's finished look: its frame picture with every visible child window printed at its place.
TBitmap32 DialogPicture(TqxDialogWnd& dialog);
// Fades the picture in over Time milliseconds; returns the picture window left over the dialog's place
// (the caller destroys it once the dialog is drawn), or null when there is none.
HWND FadeInDialogPicture(HWND dialog, const TBitmap32& picture, int timeMs);

}  // namespace qw
