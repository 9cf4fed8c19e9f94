#pragma once
// TqxBorderForm: the border window of a form with extended borders. A per-pixel-alpha layered window
// that lies directly behind the form and shows the frame's picture (the skin's wider frame and the soft
// shadow around it) with the form's client area cut out, so that the form, clipped to its client area,
// shows through. It follows the form's moves, sizes and z-order, lets the mouse through over the
// shadow (the pixel under it is cut from its region, for windows of any thread or process below) and
// hands the frame's mouse messages to the form, whose frame component answers them.
// Owned by the form's TsSkinProvider, which destroys it before the form's window goes.
#include <windows.h>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "skin/frame/BorderFormLayout.h"

namespace qw {

class TsSkinManager;
class TsSkinProvider;

// The engine-wide switch that takes the border window away from maximised forms (they fill the work
// area: a shadow beyond it is never seen).
inline bool ExtBordersOffWhenMaximized = true;

// The shadow under the frame: the skin's EXBORDER picture (its second state for an active form) or the
// program's built-in pictures, drawn in nine parts over the whole picture.
void PaintFormShadow(TBitmap32& picture, const TsSkinManager& m, bool active);
// The manager's shadow widths for its skin (all 0 without extended borders).
TRect ManagerShadowSize(const TsSkinManager& m);

class TqxBorderForm {
 public:
  explicit TqxBorderForm(TsSkinProvider& provider);
  ~TqxBorderForm();
  TqxBorderForm(const TqxBorderForm&) = delete;
  TqxBorderForm& operator=(const TqxBorderForm&) = delete;

  HWND Window() const { return FWnd; }
  // Where the picture's top-left lies on the screen.
  TPoint Origin() const;
  // Places the window directly behind the form at the picture's place; with NewPicture (the frame's
  // picture changed, or its size) also shows the picture again, at the constant alpha Blend.
  void UpdateExBordersPos(bool newPicture, int blend = 255);
  // The picture window shows Picture instead of the frame (a skin change fades over it), without the
  // client hole; UpdateExBordersPos gives the frame and the hole back.
  void ShowPicture(const TBitmap32& picture, int blend);
  // The constant alpha the window shows its picture with (a drag's translucency).
  void SetBlend(int blend);
  // The mouse is back on the frame or the form: the pixels cut under it over the shadow return.
  void UpdateRgn();

 private:
  static LRESULT CALLBACK BorderProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  TFrameHit HitTest(POINT screen) const;
  LRESULT OnNcHitTest(POINT screen);
  bool OnSetCursor(HWND wnd, UINT hitTest, UINT msg);
  LRESULT OnMouseActivate();
  void OnNcMouse(UINT msg, POINT screen);
  bool MouseAboveTheShadow(POINT screen) const;
  void OnShadowMouse(POINT client);
  void SetHole(bool cut);

  TsSkinProvider& FProvider;
  HWND FWnd = nullptr;
  bool FUpdating = false;  // a placement is under way (it moves windows that tell the form)
  bool FTracking = false;  // told when the mouse leaves
  int FBlend = 255;
  bool FShowingPicture = false;  // ShowPicture's picture is shown, without the hole
  bool FResetRgn = false;        // pixels were cut over the shadow
};

}  // namespace qw
