#include "skin/frame/CaptionAnimation_win.h"

#include <string>

#include <algorithm>

#include "fw/Timer.h"
#include "skin/core/PictureWindow_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

constexpr unsigned kFadeInterval = 12;

// The skin key of a system button's image, which names its glow picture and margin too.
const char16_t* ButtonKey(int hitCode) {
  switch (hitCode) {
    case 20: return u"BICONCLOSE";
    case 9: return u"BICONMAX";
    case 8: return u"BICONMIN";
    default: return nullptr;
  }
}

int GlowMargin(const TsSkinData& d, int hitCode) {
  switch (hitCode) {
    case 20: return d.BICloseGlowMargin;
    case 9: return d.BIMaxGlowMargin;
    case 8: return d.BIMinGlowMargin;
    default: return 0;
  }
}

// The skin's glow picture of a button as it is (its own image or its rectangle of the master bitmap).
TBitmap32 GlowPicture(const TsSkinManager& m, int hitCode) {
  const char16_t* key = ButtonKey(hitCode);
  if (!key) return TBitmap32();
  const int index = m.GetMaskIndex(u"GLOBALINFO", std::u16string(key) + u"GLOW0");
  if (!m.IsValidImgIndex(index)) return TBitmap32();
  const TsMaskData& mask = m.ma[static_cast<size_t>(index)];
  if (mask.Bmp) return mask.Bmp->Clone();
  return CopyBitmapArea(m.MasterBitmap, mask.R);
}

}  // namespace

TqxSBAnimation::TqxSBAnimation(TCaptionButtonOwner& owner, int hitCode) : FOwner(owner), FHitCode(hitCode) {
  FTimer = std::make_unique<TTimer>();
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kFadeInterval);
  FTimer->SetOnTimer([this](TComponent*) { Tick(); });
}

TqxSBAnimation::~TqxSBAnimation() {
  FTimer.reset();
  if (FWindow) DestroyWindow(FWindow);
}

void TqxSBAnimation::BuildPicture(int state) {
  const TsCaptionButton* b = FOwner.ButtonOf(FHitCode);
  const TsSkinManager* m = FOwner.CaptionManager();
  HWND form = FOwner.CaptionWindow();
  if (!b || !m || !form) return;
  RECT wr{};
  GetWindowRect(form, &wr);
  FBounds = TRect{wr.left + b->Rect.Left, wr.top + b->Rect.Top, wr.left + b->Rect.Right, wr.top + b->Rect.Bottom};
  FGlowing = false;
  if (state == 1 && m->Effects.AllowGlowing) {
    TBitmap32 glow = GlowPicture(*m, FHitCode);
    if (!glow.Empty()) {
      const int margin = GlowMargin(m->SkinData, FHitCode);
      FBounds = TRect{FBounds.Left - margin, FBounds.Top - margin, FBounds.Left - margin + glow.Width(),
                      FBounds.Top - margin + glow.Height()};
      FPicture = std::move(glow);
      FGlowing = true;
      return;
    }
  }
  FPicture = FOwner.ButtonPicture(*b, state);
}

void TqxSBAnimation::Show(int alpha) {
  HWND form = FOwner.CaptionWindow();
  if (FPicture.Empty() || !form) return;
  if (!FWindow) {
    FWindow = CreatePictureWindow();
    if (!FWindow) return;
    // The fade is only a look: clicks go through to the caption button under it.
    SetWindowLongPtrW(FWindow, GWL_EXSTYLE, GetWindowLongPtrW(FWindow, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    PlaceAbove(FWindow, form);
  }
  UpdatePictureWindow(FWindow, FPicture, TPoint{FBounds.Left, FBounds.Top}, alpha);
  if (!IsWindowVisible(FWindow)) ShowWindow(FWindow, SW_SHOWNOACTIVATE);
}

void TqxSBAnimation::StartAnimation(int newState, int steps) {
  if (newState == FCurrentState && (newState != 0 || !FUp)) return;
  FMaxIterations = steps;
  if (newState != 0) {
    const bool rebuild = newState == 2 || FCurrentState != newState || FPicture.Empty();
    FCurrentState = newState;
    FUp = true;
    if (rebuild) BuildPicture(newState);
    if (newState == 2 || FCurrentLevel <= 0) FCurrentLevel = newState == 2 ? steps : 1;
    Show(FadeLevelAlpha(FCurrentLevel, FMaxIterations));
    ++FCurrentLevel;
  } else {
    FUp = false;
    FCurrentState = 0;
    FCurrentLevel = std::min(FCurrentLevel, FMaxIterations);
  }
  FTimer->SetEnabled(FMaxIterations > 1 || !FUp);
}

void TqxSBAnimation::Tick() {
  if (FUp) {
    if (FCurrentLevel < FMaxIterations) {
      Show(FadeLevelAlpha(FCurrentLevel, FMaxIterations));
      ++FCurrentLevel;
      return;
    }
    Show(255);
    FTimer->SetEnabled(false);
    return;
  }
  --FCurrentLevel;
  if (FCurrentLevel <= 0) {
    Stop();
    return;
  }
  Show(FadeLevelAlpha(FCurrentLevel, FMaxIterations));
}

void TqxSBAnimation::Stop() {
  // Inside the timer's own tick: only the timer stops; the window goes, the object stays for the owner.
  FTimer->SetEnabled(false);
  FCurrentState = -1;
  FCurrentLevel = 0;
  if (FWindow) DestroyWindow(FWindow);
  FWindow = nullptr;
  FPicture = TBitmap32();
}

}  // namespace qw
