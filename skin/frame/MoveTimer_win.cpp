#include "skin/frame/MoveTimer_win.h"

#include <utility>

#include "skin/frame/BorderForm_win.h"
#include "skin/frame/FrameAnimationSchedule.h"

namespace qw {

TqxMoveTimer::TqxMoveTimer(HWND window, std::function<TqxBorderForm*()> border, int blendValue, int timeMs)
    : FBorder(std::move(border)), FForm(window), FBlendValue(blendValue), FStep(MoveBlendStep(blendValue, timeMs)) {
  if (!FForm) return;
  const LONG exStyle = GetWindowLongW(FForm, GWL_EXSTYLE);
  BYTE alpha = 255;
  DWORD flags = 0;
  if (exStyle & WS_EX_LAYERED) {
    if (GetLayeredWindowAttributes(FForm, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) FOwnAlpha = alpha;
  } else {
    SetWindowLongW(FForm, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    FMadeLayered = true;
  }
  FCurrent = FOwnAlpha;
  SetOnTimer([this](TComponent*) { TimeHandler(); });
  SetInterval(12);
  Apply();
  SetEnabled(true);
}

TqxMoveTimer::~TqxMoveTimer() {
  SetEnabled(false);
  if (!FForm || !IsWindow(FForm)) return;
  if (TqxBorderForm* border = FBorder ? FBorder() : nullptr) border->SetBlend(FOwnAlpha);
  if (FMadeLayered)
    SetWindowLongW(FForm, GWL_EXSTYLE, GetWindowLongW(FForm, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  else
    SetLayeredWindowAttributes(FForm, 0, static_cast<BYTE>(FOwnAlpha), LWA_ALPHA);
  RedrawWindow(FForm, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TqxMoveTimer::TimeHandler() {
  FCurrent = NextMoveBlend(FCurrent, FBlendValue, FStep);
  Apply();
  if (FCurrent <= FBlendValue) SetEnabled(false);
}

void TqxMoveTimer::Apply() {
  if (!FForm) return;
  if (TqxBorderForm* border = FBorder ? FBorder() : nullptr) border->SetBlend(FCurrent);
  if (GetWindowLongW(FForm, GWL_EXSTYLE) & WS_EX_LAYERED)
    SetLayeredWindowAttributes(FForm, 0, static_cast<BYTE>(FCurrent), LWA_ALPHA);
}

}  // namespace qw
