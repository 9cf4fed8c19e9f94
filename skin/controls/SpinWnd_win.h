#pragma once
// TqxSpinWnd: the wrapper of an up-down control (the arrow pair beside a number). It paints both halves
// as skin buttons with the skin's arrow glyphs, the half under the mouse hot, pressed while held.
#include "skin/controls/WndWrapper_win.h"

namespace qw {

class TqxSpinWnd : public TqxMainWnd {
 public:
  // Section: "UPDOWNBTN" unless given; painted as "BUTTON" when the skin lacks it.
  TqxSpinWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxSpinWnd() override;
  const char* ClassName() const override { return "TqxSpinWnd"; }

  int lOffset = 0;  // where in the window the painted buttons start
  bool bMousePressed = false;
  int Btn1State = 0;
  int Btn2State = 0;

  // Vertical unless the window has the horizontal style.
  virtual bool IsVertical() const;
  void qxWndProc(TMessage& message) override;
  // Paints both buttons into the cache for the current states.
  bool PrepareCache() override;

 protected:
  std::u16string_view DefaultSection() const override;

 private:
  void WMPaint(TMessage& message, HDC dc);
  void WMMouseMove(TMessage& message, POINT pt);
  void UpdateStates();
  void Redraw();
  bool FTrackingLeave = false;
};

}  // namespace qw
