#pragma once
// TqxMoveTimer: a form (or a skinned dialog) grows translucent while it is dragged by its caption. Every
// 12 ms the window's alpha (and its border window's) falls by the schedule's step until it reaches the
// manager's blend value; when the drag ends (the timer goes) the window gets its own alpha back and is
// redrawn.
#include <windows.h>

#include <functional>

#include "skin/core/FadeTimer_win.h"

namespace qw {

class TqxBorderForm;

class TqxMoveTimer final : public TqxThreadedTimer {
 public:
  // Border: the window's border window at the moment of asking, or null.
  TqxMoveTimer(HWND window, std::function<TqxBorderForm*()> border, int blendValue, int timeMs);
  ~TqxMoveTimer() override;
  const char* ClassName() const override { return "TqxMoveTimer"; }
  void TimeHandler() override;
  int CurrentBlendValue() const { return FCurrent; }

 private:
  void Apply();

  std::function<TqxBorderForm*()> FBorder;
  HWND FForm = nullptr;
  int FBlendValue;
  int FStep;
  int FCurrent = 255;
  int FOwnAlpha = 255;      // the form's alpha before the drag
  bool FMadeLayered = false;
};

}  // namespace qw
