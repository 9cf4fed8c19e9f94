#pragma once
// TqxMoveTimer: the form grows translucent while it is dragged by its caption. Every 12 ms the form's
// alpha (or its border window's) falls by the schedule's step until it reaches the manager's blend
// value; when the drag ends (the timer goes) the form gets its own alpha back and is redrawn.
#include <windows.h>

#include "skin/core/FadeTimer_win.h"

namespace qw {

class TsSkinProvider;

class TqxMoveTimer final : public TqxThreadedTimer {
 public:
  TqxMoveTimer(TsSkinProvider& provider, int blendValue, int timeMs);
  ~TqxMoveTimer() override;
  const char* ClassName() const override { return "TqxMoveTimer"; }
  void TimeHandler() override;
  int CurrentBlendValue() const { return FCurrent; }

 private:
  void Apply();

  TsSkinProvider& FProvider;
  HWND FForm = nullptr;
  int FBlendValue;
  int FStep;
  int FCurrent = 255;
  int FOwnAlpha = 255;      // the form's alpha before the drag
  bool FMadeLayered = false;
};

}  // namespace qw
