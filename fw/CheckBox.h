#pragma once
// The check box: the system BUTTON without automatic checking; the control keeps the state (unchecked,
// checked or grayed) itself and raises OnClick on every change of it, by the user or by the program.
#include "base/CheckState.h"
#include "fw/WinControl.h"

namespace qw {

class TCheckBox : public TWinControl {
 public:
  TCheckBox();
  const char* ClassName() const override { return "TCheckBox"; }
  void WndProc(TMessage& message) override;

  // True only in the checked state.
  bool Checked() const { return FState == cbChecked; }
  // Checked or unchecked; a box whose state is already the one asked for stays as it is.
  virtual void SetChecked(bool checked);
  TCheckBoxState State() const { return FState; }
  // Changes the state: the window shows it, FW_CHANGED goes out and OnClick runs (not while loading).
  void SetState(TCheckBoxState state);
  // A click on an unchecked box goes through the grayed state first.
  bool AllowGrayed = false;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  // What a click does: the next state of the cycle.
  void Toggle();
  // Gives the system box the state to show (straight to its own procedure).
  void ShowCheckMark();

 private:
  void CNCommand(UINT notifyCode);
  void BMSetCheck(TMessage& message, WPARAM check);
  void WMLButtonDblClk(TMessage& message);
  TCheckBoxState FState = cbUnchecked;
};

}  // namespace qw
