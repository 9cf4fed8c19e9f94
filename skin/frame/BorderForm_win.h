#pragma once
// TqxBorderForm: the border window of a form with extended borders. A per-pixel-alpha layered window
// that lies directly behind the form and shows the frame's picture (the skin's wider frame and the soft
// shadow around it) with the form's client area cut out, so that the form, clipped to its client area,
// shows through. It follows the form's moves, sizes and z-order, lets the mouse through over the
// shadow (the pixel under it is cut from its region, for windows of any thread or process below) and
// hands the frame's mouse messages to the form, whose frame component answers them.
// Owned by the window's owner object (a form's TsSkinProvider, a dialog's TqxDialogWnd), which destroys it
// before the window goes.
#include <windows.h>

#include <memory>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "skin/frame/BorderFormLayout.h"

namespace qw {

class TsSkinManager;
struct TsControlPaintData;

// The engine-wide switch that takes the border window away from maximised forms (they fill the work
// area: a shadow beyond it is never seen).
inline bool ExtBordersOffWhenMaximized = true;

// The shadow under the frame: the skin's EXBORDER picture (its second state for an active form) or the
// program's built-in pictures, drawn in nine parts over the whole picture.
void PaintFormShadow(TBitmap32& picture, const TsSkinManager& m, bool active);
// The manager's shadow widths for its skin (all 0 without extended borders).
TRect ManagerShadowSize(const TsSkinManager& m);

// The manager's border-window numbers for the frame's measures (the skin's title height, border width,
// shadow...), as a window with a border window is measured.
TBorderWindowFrame ManagerBorderWindow(const TsSkinManager& m);
// What a window must be to get a border window, whoever owns it: the manager's extended borders on, a
// bordered top-level window that is visible, neither minimised nor (with the switch) maximised.
bool BorderWindowAllowed(HWND window, const TsSkinManager* m);

// The border picture's shadow and the skin's frame section over it (the frame at Layout's Frame, in the
// active or inactive state); Shadow keeps the shadow alone for FinishBorderFrame.
void PaintBorderFrame(TBitmap32& picture, const TsControlPaintData& frame, const TsSkinManager& m,
                      const TBorderFormLayout& layout, bool active, TBitmap32& shadow);
// Once the caption is on it: the frame made opaque (what GDI drew leaves no alpha), but for the corners
// the skin's border masks cut, where the shadow shows again.
void FinishBorderFrame(TBitmap32& picture, const TsSkinManager& m, int borderMask, int titleMask,
                       const TBorderFormLayout& layout, int captionHeight, const TBitmap32& shadow);

// What the border window asks of the object that owns it (a form's frame component, a dialog's wrapper).
class TBorderFormOwner {
 public:
  // The window the border window stands behind (null: none now).
  virtual HWND BorderOwnerWindow() const = 0;
  // Whether the window should have a border window now.
  virtual bool WantsBorderForm() const = 0;
  // The geometry with the border window present.
  virtual TBorderFormLayout BorderLayout() const = 0;
  // The picture the border window shows (shadow, frame, caption), whether it must be painted again
  // before it is shown, and painting it.
  virtual const TBitmap32& BorderPicture() const = 0;
  virtual bool BorderPictureStale() const = 0;
  virtual void RepaintBorderPicture() = 0;
  // A minimise or restore animation flies: the border window is not seen meanwhile.
  virtual bool BorderMinimizing() const { return false; }
  // The owner's drawing is locked (a skin change): a picture shown in its place stays.
  virtual bool BorderPictureLocked() const { return false; }
  // What lies under a screen point of the frame (kHtTransparent over the shadow).
  virtual TFrameHit BorderHitTest(POINT screen) = 0;
  // The mouse went out onto the shadow: no caption button stays hot.
  virtual void ReleaseHotButton() = 0;

 protected:
  ~TBorderFormOwner() = default;
};

class TqxBorderForm {
 public:
  explicit TqxBorderForm(TBorderFormOwner& owner);
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

  TBorderFormOwner& FOwner;
  HWND FWnd = nullptr;
  bool FUpdating = false;  // a placement is under way (it moves windows that tell the form)
  bool FTracking = false;  // told when the mouse leaves
  int FBlend = 255;
  bool FShowingPicture = false;  // ShowPicture's picture is shown, without the hole
  bool FResetRgn = false;        // pixels were cut over the shadow
};

// Makes or frees the owner's border window as the owner wants one; true when that changed.
bool UpdateBorderForm(std::unique_ptr<TqxBorderForm>& border, TBorderFormOwner& owner);

}  // namespace qw
