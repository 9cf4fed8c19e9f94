// TsSkinProvider: a skin change seen on the form. The new look fades in over the old one, the form is
// redrawn under it and only then revealed: with a border window the old frame fades out three times as
// fast as the new one fades in; without one the frozen screen is the old look.
#include <algorithm>

#include "fw/Form.h"
#include "image/BitmapFill.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/PictureWindow_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/Transitions_win.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

namespace {

constexpr DWORD kFrameMs = 12;

// The frame's part in the skin changes of the skinned forms.
class TFrameChangeAnimation final : public TFormChangeAnimation {
 public:
  void Prepare(HWND form) override {
    if (TsSkinProvider* sp = TsSkinProvider::FromWindow(form)) sp->PrepareSkinChangeAnimation();
  }
  void Play(HWND form, const TqxAnimEffect& effect) override {
    if (TsSkinProvider* sp = TsSkinProvider::FromWindow(form)) {
      sp->AnimateSkinChange(effect.Time, static_cast<TTransitionMode>(effect.Mode));
      return;
    }
    SendMessageW(form, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(form, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
};

}  // namespace

void InstallFrameChangeAnimation() {
  static TFrameChangeAnimation animation;
  SetFormChangeAnimation(&animation);
}

TBitmap32 TsSkinProvider::BorderSnapshot() {
  HWND h = Handle();
  RECT wr{};
  if (!FBorderForm || !h || !GetWindowRect(h, &wr) || Cache().Empty()) return TBitmap32();
  TBitmap32 picture = Cache().Clone();
  const TBorderFormLayout l = BorderLayout();
  TBitmap32 form(std::max(1L, wr.right - wr.left), std::max(1L, wr.bottom - wr.top));
  SnapshotControl(form, *FForm, 0, 0);
  const TRect client = OffsetRect(l.FormClient, l.FormOrigin.X, l.FormOrigin.Y);
  PasteBitmapArea(picture, form, l.FormClient, TPoint{client.Left, client.Top});
  SetAlphaInRect(picture, client, 255, false);
  return picture;
}

void TsSkinProvider::PrepareSkinChangeAnimation() { FCoverBmp = BorderSnapshot(); }

void TsSkinProvider::AnimateSkinChange(int timeMs, TTransitionMode mode) {
  HWND h = Handle();
  if (!h) return;
  SkinData->BGChanged = true;
  FRgnChanged = true;
  if (!DrawNonClientArea || !Skinned() || !EngineStartup().UpdateLayeredWindow) {
    // No frame of the skin's to fade: the new look at once.
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  } else if (FBorderForm) {
    AnimateBorderChange(timeMs);
  } else {
    // Its picture (frame included) fades in over the frozen screen, the form is redrawn under it.
    ShowFormAnimated(*FForm, timeMs, 255, mode);
  }
  FCoverBmp = TBitmap32();
  UpdateExtBorders();
}

void TsSkinProvider::AnimateBorderChange(int timeMs) {
  HWND h = Handle();
  const TPoint oldOrigin = FBorderForm->Origin();
  PaintAll();
  const TBitmap32 fresh = BorderSnapshot();
  HWND old = FCoverBmp.Empty() ? nullptr : CreatePictureWindow();
  if (old) {
    UpdatePictureWindow(old, FCoverBmp, oldOrigin, 255);
    PlaceAbove(old, h);
    ShowWindow(old, SW_SHOWNOACTIVATE);
  }
  // The border window shows the whole new look above the form (and the old picture) while it fades in.
  const int steps = TransitionSteps(timeMs);
  HWND border = FBorderForm->Window();
  FBorderForm->ShowPicture(fresh, steps > 0 ? 0 : 255);
  PlaceAbove(border, old ? old : h);
  if (steps > 0) {
    for (int alpha : FadeInAlphas(255, steps)) {
      FBorderForm->ShowPicture(fresh, alpha);
      if (old) UpdatePictureWindow(old, FCoverBmp, oldOrigin, std::clamp((255 - alpha) * 3, 0, 255));
      Sleep(kFrameMs);
    }
  }
  FBorderForm->ShowPicture(fresh, 255);
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  UpdateFormRgn();
  // Behind the form again, with its hole.
  FBorderForm->UpdateExBordersPos(true);
  if (old) DestroyWindow(old);
}

}  // namespace qw
