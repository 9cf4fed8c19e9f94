// TsSkinProvider: a skin change seen on the form. The new look fades in over the old one, the form is
// redrawn under it and only then revealed: with a border window the old frame fades out three times as
// fast as the new one fades in; without one the frozen screen is the old look. A form with a border
// window appears the same way: its whole picture fades in in the border window before the form shows.
#include <algorithm>

#include "fw/Form.h"
#include "image/BitmapFill.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
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
  void Lock(HWND form) override {
    if (TsSkinProvider* sp = TsSkinProvider::FromWindow(form)) sp->ShowSkinChangeCover();
  }
  void Release(HWND form) override {
    if (TsSkinProvider* sp = TsSkinProvider::FromWindow(form)) sp->DropSkinChangeCover();
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

void TsSkinProvider::ShowSkinChangeCover() {
  if (!FBorderForm || FCoverBmp.Empty()) return;
  HWND h = Handle();
  BYTE alpha = 255;
  DWORD flags = 0;
  // An alpha-blended form keeps its alpha in the old picture too.
  if (h && (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED) && GetLayeredWindowAttributes(h, nullptr, &alpha, &flags) &&
      !(flags & LWA_ALPHA))
    alpha = 255;
  FBorderForm->ShowPicture(FCoverBmp, alpha);
}

void TsSkinProvider::DropSkinChangeCover() {
  if (FCoverBmp.Empty()) return;
  FCoverBmp = TBitmap32();
  SkinData->BGChanged = true;
  if (FBorderForm) FBorderForm->UpdateExBordersPos(true);
}

TBitmap32 TsSkinProvider::AnimationPicture(TPoint& origin) {
  HWND h = Handle();
  RECT wr{};
  if (!h || !GetWindowRect(h, &wr) || wr.right <= wr.left || wr.bottom <= wr.top) return TBitmap32();
  if (FBorderForm) {
    if (SkinData->BGChanged || Cache().Empty()) PaintAll();
    origin = FBorderForm->Origin();
    return BorderSnapshot();
  }
  origin = TPoint{wr.left, wr.top};
  TBitmap32 picture(wr.right - wr.left, wr.bottom - wr.top);
  SnapshotControl(picture, *FForm, 0, 0);
  GdiFlush();
  SetAlphaInRect(picture, TRect{0, 0, picture.Width(), picture.Height()}, 255, false);
  return picture;
}

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

void TsSkinProvider::ShowBorderAnimated(int timeMs) {
  HWND h = Handle();
  // Made now, while the form's drawing is suspended (a suspended form is not made a border window).
  if (!FBorderForm) {
    auto border = std::make_unique<TqxBorderForm>(*this);
    if (border->Window()) FBorderForm = std::move(border);
  }
  TBitmap32 picture;
  if (FBorderForm) {
    KillAnimations();
    SkinData->BGChanged = true;
    FRgnChanged = true;
    PaintAll();
    UpdateFormRgn();
    picture = BorderSnapshot();
  }
  if (!picture.Empty()) {
    const bool wasRunning = AnimationRunning;
    AnimationRunning = true;
    const int steps = TransitionSteps(timeMs);
    HWND border = FBorderForm->Window();
    FBorderForm->ShowPicture(picture, steps > 0 ? 0 : 255);
    PlaceAbove(border, h);
    ShowWindow(border, SW_SHOWNOACTIVATE);
    for (int alpha : FadeInAlphas(255, steps)) {
      FBorderForm->ShowPicture(picture, alpha);
      Sleep(kFrameMs);
    }
    FBorderForm->ShowPicture(picture, 255);
    // The form goes directly below its picture and is redrawn there before the picture gets its hole.
    SetWindowPos(h, border, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    AnimationRunning = wasRunning;
  }
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  UpdateExtBorders();
  if (FBorderForm) FBorderForm->UpdateExBordersPos(true);
}

}  // namespace qw
