#include "skin/frame/MinTimer_win.h"

#include <algorithm>
#include <cmath>

#include "fw/Form.h"
#include "image/BitmapStretch.h"
#include "skin/core/PictureWindow_win.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

constexpr unsigned kMinIntervalMs = 15;
// The picture at the taskbar: about a taskbar button's size, and faint.
constexpr TSize kTaskbarPictureSize{160, 32};
constexpr int kTaskbarAlpha = 40;

TRect ScreenRect(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

// The strip of the monitor outside its work area (the taskbar's place), or its bottom edge.
TRect WorkAreaGap(const MONITORINFO& info) {
  const RECT& m = info.rcMonitor;
  const RECT& w = info.rcWork;
  if (w.bottom < m.bottom) return TRect{m.left, w.bottom, m.right, m.bottom};
  if (w.top > m.top) return TRect{m.left, m.top, m.right, w.top};
  if (w.left > m.left) return TRect{m.left, m.top, w.left, m.bottom};
  if (w.right < m.right) return TRect{w.right, m.top, m.right, m.bottom};
  return TRect{m.left, m.bottom, m.right, m.bottom};
}

}  // namespace

TRect TaskbarTargetOf(HWND window, TSize size) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return TRect{};
  const TRect screen = ScreenRect(info.rcMonitor);
  TRect taskbar = WorkAreaGap(info);
  RECT tr{};
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  // A taskbar window counts only where it is seen, on this monitor.
  if (tray && IsWindowVisible(tray) && GetWindowRect(tray, &tr) && tr.right > tr.left && tr.bottom > tr.top &&
      MonitorFromWindow(tray, MONITOR_DEFAULTTONULL) == MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST))
    taskbar = ScreenRect(tr);
  return TaskbarTarget(screen, taskbar, size);
}

TqxMinTimer::TqxMinTimer(TsSkinProvider& provider, bool minimizing, int timeMs)
    : FProvider(provider), FMinimizing(minimizing), FTimeMs(timeMs) {
  FForm = provider.Form() && provider.Form()->HandleAllocated() ? provider.Form()->Handle() : nullptr;
  SetOnTimer([this](TComponent*) { TimeHandler(); });
  SetInterval(kMinIntervalMs);
}

TqxMinTimer::~TqxMinTimer() {
  SetEnabled(false);
  if (FAnimForm) DestroyWindow(FAnimForm);
  FAnimForm = nullptr;
  // Stopped halfway (the form or its frame going): the form is never left invisible.
  if (FForm && IsWindow(FForm)) RevealForm();
}

void TqxMinTimer::Start() {
  if (!FForm || FPhase != TPhase::Idle) return;
  HideForm();
  if (!FMinimizing) {
    // Restored first (still invisible): the picture is that of the restored form.
    SendCommand(SC_RESTORE);
    if (!IsWindow(FForm)) return;
  }
  TPoint origin{};
  FSavedImage = FProvider.AnimationPicture(origin);
  if (FSavedImage.Empty() || !(FAnimForm = CreatePictureWindow())) {
    Finish();
    return;
  }
  const TRect place{origin.X, origin.Y, origin.X + FSavedImage.Width(), origin.Y + FSavedImage.Height()};
  const TSize small{std::min(kTaskbarPictureSize.Width, FSavedImage.Width()),
                    std::min(kTaskbarPictureSize.Height, FSavedImage.Height())};
  const TRect taskbar = TaskbarTargetOf(FForm, small);
  FRectFrom = FMinimizing ? place : taskbar;
  FRectTo = FMinimizing ? taskbar : place;
  FAlphaFrom = FMinimizing ? FOwnAlpha : kTaskbarAlpha;
  FAlphaTo = FMinimizing ? kTaskbarAlpha : FOwnAlpha;
  FSchedule = MinimizeSchedule(FTimeMs, FAlphaFrom, FAlphaTo);
  FStep = 0;
  FPhase = TPhase::Animating;
  ShowFrame();
  PlaceAbove(FAnimForm, FForm);
  ShowWindow(FAnimForm, SW_SHOWNOACTIVATE);
  if (FSchedule.StepCount <= 1) {
    Finish();
    return;
  }
  SetEnabled(true);
}

void TqxMinTimer::TimeHandler() {
  if (FPhase != TPhase::Animating) return;
  ++FStep;
  ShowFrame();
  if (FStep >= FSchedule.StepCount - 1) Finish();
}

void TqxMinTimer::UpdateTarget() {
  if (FPhase != TPhase::Animating || !FForm) return;
  const TSize small{WidthOfRect(FMinimizing ? FRectTo : FRectFrom), HeightOfRect(FMinimizing ? FRectTo : FRectFrom)};
  (FMinimizing ? FRectTo : FRectFrom) = TaskbarTargetOf(FForm, small);
}

void TqxMinTimer::ShowFrame() {
  if (!FAnimForm) return;
  const TRect r = MinimizeFrameRect(FRectFrom, FRectTo, FStep, FSchedule.StepCount);
  const int alpha = std::clamp(static_cast<int>(std::lround(FAlphaFrom - FStep * FSchedule.AlphaStep)), 0, 255);
  TBitmap32 frame(std::max(1, WidthOfRect(r)), std::max(1, HeightOfRect(r)));
  StretchRectNearest(frame, TRect{0, 0, frame.Width(), frame.Height()}, FSavedImage,
                     TRect{0, 0, FSavedImage.Width(), FSavedImage.Height()});
  UpdatePictureWindow(FAnimForm, frame, TPoint{r.Left, r.Top}, alpha);
}

void TqxMinTimer::Finish() {
  SetEnabled(false);
  if (FMinimizing && FForm && IsWindow(FForm) && !IsIconic(FForm)) SendCommand(SC_MINIMIZE);
  // Minimised, the form may show its own alpha again; restored, it is seen under the picture first.
  if (FForm && IsWindow(FForm)) RevealForm();
  if (!FMinimizing && FForm && IsWindow(FForm))
    RedrawWindow(FForm, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (FAnimForm) DestroyWindow(FAnimForm);
  FAnimForm = nullptr;
  FSavedImage = TBitmap32();
  FPhase = TPhase::Done;
}

void TqxMinTimer::SendCommand(UINT command) {
  const TPhase was = FPhase;
  FPhase = TPhase::Passing;
  SendMessageW(FForm, WM_SYSCOMMAND, command, 0);
  FPhase = was;
}

void TqxMinTimer::HideForm() {
  if (FHidden) return;
  BYTE alpha = 255;
  DWORD flags = 0;
  if ((GetWindowLongW(FForm, GWL_EXSTYLE) & WS_EX_LAYERED) && GetLayeredWindowAttributes(FForm, nullptr, &alpha, &flags) &&
      (flags & LWA_ALPHA))
    FOwnAlpha = alpha;
  // Nothing of the form is left on the screen (an empty region hides it wherever layered windows are
  // only emulated); the frame gives it its region back at the end.
  SetWindowRgn(FForm, CreateRectRgn(0, 0, 0, 0), TRUE);
  if (TqxBorderForm* border = FProvider.BorderForm()) border->SetBlend(0);
  FHidden = true;
}

void TqxMinTimer::RevealForm() {
  if (!FHidden) return;
  FHidden = false;
  const TPhase was = FPhase;
  FPhase = TPhase::Done;  // the frame and the border window show the form again
  SetWindowRgn(FForm, nullptr, FALSE);
  FProvider.UpdateFormRgn();
  if (TqxBorderForm* border = FProvider.BorderForm()) border->SetBlend(FOwnAlpha);
  FPhase = was;
}

}  // namespace qw
