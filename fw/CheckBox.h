#pragma once
// The check box: the system BUTTON without automatic checking; the control keeps the state itself and
// raises OnClick on every change of it, by the user or by the program.
#include "fw/WinControl.h"

namespace qw {

class TCheckBox : public TWinControl {
 public:
  TCheckBox();
  const char* ClassName() const override { return "TCheckBox"; }
  void WndProc(TMessage& message) override;

  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;

 private:
  void ShowCheckMark();
  void CNCommand(UINT notifyCode);
  void WMLButtonDblClk(TMessage& message);
  bool FChecked = false;
};

}  // namespace qw
