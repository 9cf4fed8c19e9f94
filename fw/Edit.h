#pragma once
// The single-line text box: the system EDIT window, subclassed. A mouse click inside raises OnClick.
#include <string>

#include "base/ControlEnums.h"
#include "fw/WinControl.h"

namespace qw {

class TEdit : public TWinControl {
 public:
  TEdit();
  const char* ClassName() const override { return "TEdit"; }
  void WndProc(TMessage& message) override;

  bool ReadOnly = false;
  TNotifyEvent OnChange;

  // How the box is framed: the sunken 3D border (two pixels), a flat one-pixel border, or none.
  bool HasBorder = true;  // BorderStyle single
  bool Ctl3D = true;
  // The character shown for each character of a password (0: the text itself).
  char16_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char16_t c);
  // The grey hint shown while the box is empty.
  std::wstring TextHint;
  // Where the text sits in the box.
  TAlignment Alignment = taLeftJustify;
  // Typed letters made upper or lower case by the window itself (set before the window is made).
  TEditCharCase CharCase = ecNormal;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  // The text changed in the window (typing, paste or the program).
  virtual void Change();

 private:
  void CNCommand(TMessage& message, UINT notifyCode);
  char16_t FPasswordChar = 0;
};

}  // namespace qw
