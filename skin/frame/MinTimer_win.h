#pragma once
// TqxMinTimer: a form minimised or restored is seen on its way to or from the taskbar. Its picture (the
// border window's, frame and shadow included, when it has one) is shown in a picture window that moves
// and shrinks every 15 ms towards the middle of the taskbar's edge while its alpha falls; a restore runs
// the same way back. The form is invisible meanwhile (an empty region): a minimise is done when the picture has
// arrived, a restore before the picture sets out, so the system's state is the one asked for either way.
#include <windows.h>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "skin/core/FadeTimer_win.h"
#include "skin/frame/FrameAnimationSchedule.h"

namespace qw {

class TsSkinProvider;

// Where a picture flying to the taskbar ends, on the monitor of Window: the middle of the taskbar's edge
// that faces the screen (the work area's missing strip when no taskbar window is shown, the screen's
// bottom edge when there is none either), as a rectangle of Size.
TRect TaskbarTargetOf(HWND window, TSize size);

class TqxMinTimer final : public TqxThreadedTimer {
 public:
  // Minimizing: the form is minimised at the end; otherwise it is restored at the start.
  TqxMinTimer(TsSkinProvider& provider, bool minimizing, int timeMs);
  ~TqxMinTimer() override;
  const char* ClassName() const override { return "TqxMinTimer"; }
  // Takes the picture and starts; called once the provider holds the timer (its command runs inside).
  void Start();
  void TimeHandler() override;
  // The animation has not ended: the form must stay invisible and no other minimise may start.
  bool Running() const { return FPhase != TPhase::Done; }
  // The timer's own window command is being carried out: it goes to the system.
  bool PassingCommand() const { return FPhase == TPhase::Passing; }
  // The animation window (null when none is shown).
  HWND AnimForm() const { return FAnimForm; }
  // The work area changed: the taskbar end is computed again.
  void UpdateTarget();

 private:
  enum class TPhase { Idle, Passing, Animating, Done };
  void ShowFrame();
  void Finish();
  void HideForm();
  void RevealForm();
  void SendCommand(UINT command);

  TsSkinProvider& FProvider;
  HWND FForm = nullptr;
  HWND FAnimForm = nullptr;
  bool FMinimizing;
  int FTimeMs;
  TPhase FPhase = TPhase::Idle;
  TBitmap32 FSavedImage;  // the form's picture, full size
  TRect FRectFrom, FRectTo;
  TMinimizeSchedule FSchedule;
  int FStep = 0;
  int FAlphaFrom = 255, FAlphaTo = 255;
  int FOwnAlpha = 255;  // the form's alpha: the picture's at the form's place
  bool FHidden = false;
};

}  // namespace qw
