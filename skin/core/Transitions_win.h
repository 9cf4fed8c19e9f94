#pragma once
// Window and page transitions: a window is never shown piece by piece. Its finished picture is composed
// off-screen and shown in a picture window laid over it (fading in, or fading with a zoom), and the real
// window is revealed under it when it has been redrawn; a hidden window leaves a picture that fades out;
// a page change is drawn under a cover that shows the old look blending into the new one.
#include <windows.h>

#include "image/Bitmap32.h"
#include "skin/core/TransitionSchedule.h"

namespace qw {

class TControl;
class TForm;
class TWinControl;

// Paints a control with all its windowed children into Bmp at (X, Y). A hidden control gets what lies
// behind it (its parent's background); a windowless one is painted through its paint message.
void SnapshotControl(TBitmap32& bmp, TControl& control, int x, int y);

// The form appears from its finished picture: over Time milliseconds (in 12 ms steps) the picture
// fades in to EndAlpha, then the form is revealed under it and the picture window removed. The form is
// expected on the screen with its drawing suspended; it is redrawn before it shows.
void ShowFormAnimated(TForm& form, int timeMs, int endAlpha, TTransitionMode mode);
// Shows a form through ShowFormAnimated: made invisible while the framework shows it, then revealed.
void ShowFormWithTransition(TForm& form, int timeMs, TTransitionMode mode);
// The form's look fades out after it was hidden (call it before hiding the form): a picture window takes
// its current screen pixels and fades them out on a timer; Time 0 removes it at once.
void HideFormAnimated(TForm& form, int timeMs, TTransitionMode mode);
// A picture window holding the window's current pixels, shown stay-on-top at the window's place.
HWND MakeCoverForm(HWND window);
// Fades Picture out in Window over Time milliseconds, from StartAlpha; the window and the picture are
// freed after the last frame (at once for Time 0).
void StartHideAnimation(HWND window, TBitmap32 picture, int timeMs, TTransitionMode mode, int startAlpha);
// A hide animation is running.
bool HideAnimationRunning();

// Puts the page cover over a control before its look changes: the control's current screen pixels in
// a window laid over it. Returns false when there is no cover (then nothing changes).
bool CoverControl(TWinControl& control);
// Removes the cover without animating (the change was refused): the control is drawn again.
void RemoveCover(TWinControl& control);
// The cover lies over Control now.
bool IsCovered(const TWinControl& control);
// Removes the cover of a control that went while it was covered (nothing of it is touched).
void ForgetCover();
// The control's new look over its old one: the cover blends from the old picture to the new one over
// Time milliseconds, then the control is redrawn and the cover removed.
void AnimateChange(TWinControl& control, int timeMs);
// The cover window of the running page change (null when there is none).
HWND CoverWindow();

}  // namespace qw
