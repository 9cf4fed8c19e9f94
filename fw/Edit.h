#pragma once
// The single-line text box: the system EDIT window, subclassed. A mouse click inside raises OnClick.
#include "fw/WinControl.h"

namespace qw {

class TEdit : public TWinControl {
 public:
  TEdit();
  const char* ClassName() const override { return "TEdit"; }
  void WndProc(TMessage& message) override;

  bool ReadOnly = false;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  // The text changed in the window (typing, paste or the program).
  virtual void Change();

 private:
  void CNCommand(TMessage& message, UINT notifyCode);
};

}  // namespace qw
